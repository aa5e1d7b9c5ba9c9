// The private-profile ("INI") format held in memory: finding a value, and setting one in place.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pennix {

// The value of `key` in the first section named `section`, names compared without regard to
// letter case and to the blanks around them. The value loses the blanks around it and one pair of
// matching quotes around the whole of it, and ends at a NUL byte. Keys above the first section
// header belong to no section. Empty when the section or the key is missing.
std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key);

// `text` with `key` in `section` set to `value`: the first matching key gets the new value, a
// missing key is added after the last non-blank line of its section, a missing section is added at
// the end. Every other byte stays as it was; an added key line takes the line end of the line
// before it, other added lines the text's first line end, or CRLF when it has none. Empty, and
// nothing changed, when a name or the value holds CR, LF or NUL, or when the key could not be read
// back as the same key (blank, holding "=", or opening with ";" or "[").
std::optional<std::string> SetIniValue(std::string_view text, std::string_view section,
                                       std::string_view key, std::string_view value);

}  // namespace pennix
