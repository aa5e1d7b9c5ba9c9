// Reading whole numbers from user-supplied text, and echoing such text back safely.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pennix::arena {

// True when the text is one or more of the digits 0..9 and nothing else: no sign, no blanks,
// no other base.
bool IsDecimal(std::string_view text);

// The value of a decimal text; nothing when it is not decimal or does not fit in 64 bits.
std::optional<std::uint64_t> ParseDecimal(std::string_view text);

// The text with every byte outside printable ASCII (and the backslash) written as \xNN, so that
// echoing input cannot drive the terminal or split a one-line message.
std::string Printable(std::string_view text);

// The text with the ASCII capitals A..Z made small; every other byte as it is.
std::string AsciiLower(std::string_view text);

// The printable text in single quotes, ready for an error message; a long text is cut short.
std::string Quoted(std::string_view text, std::size_t limit = 40);

}  // namespace pennix::arena
