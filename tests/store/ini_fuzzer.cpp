// libFuzzer target: any bytes as a settings file, and names and a value taken from the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "store/ini_text.h"

namespace {

std::string_view Take(std::string_view& input, std::size_t size) {
    const std::string_view taken = input.substr(0, size);
    input.remove_prefix(taken.size());
    return taken;
}

// What a value written as given reads back as: no blanks around it, no pair of quotes around it.
std::string_view AsReadBack(std::string_view value) {
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) {
        value.remove_prefix(1);
    }
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) {
        value.remove_suffix(1);
    }
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

// Input: three length bytes, then the section, the key and the value, then the file's text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.size() < 3) {
        return 0;
    }
    const auto lengths = Take(input, 3);
    const std::string_view section = Take(input, static_cast<std::uint8_t>(lengths[0]) % 16);
    const std::string_view key = Take(input, static_cast<std::uint8_t>(lengths[1]) % 16);
    const std::string_view value = Take(input, static_cast<std::uint8_t>(lengths[2]) % 32);
    const std::string_view text = input;

    pennix::FindIniValue(text, section, key);
    const std::optional<std::string> written = pennix::SetIniValue(text, section, key, value);
    if (written) {
        const std::optional<std::string> read = pennix::FindIniValue(*written, section, key);
        if (!read || *read != AsReadBack(value)) {
            std::abort();
        }
    }
    return 0;
}
