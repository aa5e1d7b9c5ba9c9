// ReadIniValue, WriteIniValue and WriteIniValues: the file ends of the INI reader and writer.
#include "readwriteini.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

#include "atomic_file.h"
#include "ini_text.h"

namespace pennix {

namespace {

// How much of a file without a byte-order mark decides whether it is UTF-16.
constexpr std::size_t kUtf16Sample = 256;

// Some editors save text as UTF-16 ("Unicode"), which the game does not read: written to, such a
// file would be left half in one encoding and half in another. Without a byte-order mark, as
// iconv writes it, such an INI file is mostly ASCII characters each paired with a NUL. So a file
// is taken for UTF-16 when more than half of the byte pairs in its first 256 bytes are one NUL and
// one other byte with the NUL on the same side. Text in ASCII, UTF-8 or a code page holds no NUL
// at all, and a file of NULs alone (what a crash may leave) has no such pair and is still written.
bool IsUtf16(std::string_view bytes) {
    if (bytes.starts_with("\xff\xfe") || bytes.starts_with("\xfe\xff")) {
        return true;
    }
    const std::string_view sample = bytes.substr(0, kUtf16Sample);
    const std::size_t pairs = sample.size() / 2;
    std::size_t nul_second = 0;  // little-endian
    std::size_t nul_first = 0;   // big-endian
    for (std::size_t pair = 0; pair < pairs; ++pair) {
        const bool first_nul = sample[2 * pair] == '\0';
        const bool second_nul = sample[2 * pair + 1] == '\0';
        nul_second += !first_nul && second_nul ? 1 : 0;
        nul_first += first_nul && !second_nul ? 1 : 0;
    }
    return 2 * std::max(nul_second, nul_first) > pairs;
}

}  // namespace

std::string ReadIniValue(const std::filesystem::path& file, std::string_view section,
                         std::string_view key) noexcept {
    try {
        const FileContents contents = ReadSmallFile(file, kIniFileLimit);
        if (contents.status != FileStatus::kWhole && contents.status != FileStatus::kTooLarge) {
            return std::string(kIniMissing);
        }
        std::optional<std::string> value = FindIniValue(contents.bytes, section, key);
        if (!value) {
            return std::string(kIniMissing);
        }
        if (value->size() > kIniValueLimit) {
            value->resize(kIniValueLimit);
        }
        return *value;
    } catch (...) {
        return std::string(kIniMissing);
    }
}

bool WriteIniValue(const std::filesystem::path& file, std::string_view section,
                   std::string_view key, std::string_view value) noexcept {
    const IniEntry entry{section, key, value};
    return WriteIniValues(file, std::span(&entry, 1));
}

bool WriteIniValues(const std::filesystem::path& file, std::span<const IniEntry> entries) noexcept {
    try {
        const FileContents old = ReadSmallFile(file, kIniFileLimit);
        // Rewriting a file read only in part, or not at all, would throw away what was not read.
        if ((old.status != FileStatus::kWhole && old.status != FileStatus::kMissing) ||
            IsUtf16(old.bytes)) {
            return false;
        }
        std::string text = old.bytes;
        bool any_set = false;
        bool all_set = true;
        for (const IniEntry& entry : entries) {
            if (std::optional<std::string> changed =
                    SetIniValue(text, entry.section, entry.key, entry.value)) {
                text = std::move(*changed);
                any_set = true;
            } else {
                all_set = false;
            }
        }
        // A file the reader would see only in part would lose whatever lies past the limit.
        if (text.size() > kIniFileLimit) {
            return false;
        }
        return any_set && ReplaceFile(file, text) && all_set;
    } catch (...) {
        return false;
    }
}

}  // namespace pennix
