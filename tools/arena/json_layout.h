// JSON on one line in the layout of Python's json.dumps: ", " between items, ": " after keys.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace pennix::arena {

// Keys keep the order they were added in; non-ASCII text is written as \u escapes.
std::string OneLineJson(const nlohmann::ordered_json& value);

}  // namespace pennix::arena
