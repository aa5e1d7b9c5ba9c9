// Reading a small file without trusting it, and replacing a file so that it is never half written.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pennix {

enum class FileStatus {
    kMissing,   // nothing at that path
    kWhole,     // a regular file, read to its end
    kTooLarge,  // a regular file longer than the limit; its first bytes were read
    kFailed,    // a directory, a device, a pipe, or a file that could not be read
};

struct FileContents {
    FileStatus status = FileStatus::kFailed;
    std::string bytes;
};

// Reads at most `limit` bytes of a regular file. Never blocks on a pipe or a device and never
// creates anything.
FileContents ReadSmallFile(const std::filesystem::path& file, std::size_t limit) noexcept;

// The file `file` names once its symbolic links are followed, whether or not that file exists;
// nothing for a loop of links or a link that cannot be read.
std::optional<std::filesystem::path> FollowLinks(const std::filesystem::path& file) noexcept;

// Replaces the file's contents, or creates it, through a temporary file in the same directory
// that is flushed to disk and then renamed over the old one: a crash, a kill or a full disk leaves
// either the old file or the new one, never a mixture. A replaced file keeps its permissions and,
// where allowed, its owner; a symbolic link keeps pointing at the file it names, which is created
// when missing. Fails, touching nothing, when the path is not a regular file, when an existing
// file may not be written, or when the directory is missing or not writable. The temporary files
// of this file that a writer killed before its rename left behind are removed first, once that
// writer's process has ended.
bool ReplaceFile(const std::filesystem::path& file, std::string_view bytes) noexcept;

}  // namespace pennix
