// A match's figures, as a table for people and as one JSON object for programs.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "match.h"

namespace pennix::arena {

std::string MatchTable(const MatchResult& result);

nlohmann::ordered_json MatchJson(const MatchResult& result);

}  // namespace pennix::arena
