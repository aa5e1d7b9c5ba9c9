// Whole numbers from user-supplied text, and safe echoes of it.
#include "text.h"

#include <limits>

namespace pennix::arena {

bool IsDecimal(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

std::optional<std::uint64_t> ParseDecimal(std::string_view text) {
    if (!IsDecimal(text)) {
        return std::nullopt;
    }
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    for (char c : text) {
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (value > (kMax - digit) / 10) {
            return std::nullopt;
        }
        value = value * 10 + digit;
    }
    return value;
}

std::string Printable(std::string_view text) {
    constexpr char kHex[] = "0123456789abcdef";
    std::string printable;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '\\') {
            printable += c;
        } else {
            printable += "\\x";
            printable += kHex[byte >> 4];
            printable += kHex[byte & 0xf];
        }
    }
    return printable;
}

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return lower;
}

std::string Quoted(std::string_view text, std::size_t limit) {
    const bool cut = text.size() > limit;
    return "'" + Printable(text.substr(0, limit)) + (cut ? "'..." : "'");
}

}  // namespace pennix::arena
