// ReadIniValue and WriteIniValue: the file ends of the private-profile reader and writer.
#include "readwriteini.h"

#include <optional>

#include "atomic_file.h"
#include "ini_text.h"

namespace pennix {

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
    try {
        const FileContents old = ReadSmallFile(file, kIniFileLimit);
        // Rewriting a file read only in part, or not at all, would throw away what was not read.
        if (old.status != FileStatus::kWhole && old.status != FileStatus::kMissing) {
            return false;
        }
        const std::optional<std::string> text = SetIniValue(old.bytes, section, key, value);
        return text && ReplaceFile(file, *text);
    } catch (...) {
        return false;
    }
}

}  // namespace pennix
