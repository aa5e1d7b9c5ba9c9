// ReadIniValue, WriteIniValue and WriteIniValues: the file ends of the INI reader and writer.
#include "readwriteini.h"

#include <optional>
#include <string_view>
#include <utility>

#include "atomic_file.h"
#include "ini_text.h"

namespace pennix {

namespace {

// Some editors save text as UTF-16 ("Unicode"), which the game does not read: written to, such a
// file would be left half in one encoding and half in another.
bool IsUtf16(std::string_view bytes) {
    return bytes.starts_with("\xff\xfe") || bytes.starts_with("\xfe\xff");
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
