// ReadIniValue, WriteIniValue and WriteIniValues: entries of an INI file, read or written.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace pennix {

// What a read gives when the file, the section or the key is missing, or the read fails in any
// way. A stored value "none" reads the same: the callers treat both alike.
inline constexpr std::string_view kIniMissing = "none";

// A value longer than this reads as its first kIniValueLimit characters (the reader's buffer
// holds 70, one of them the terminating NUL).
inline constexpr std::size_t kIniValueLimit = 69;

// Only this much of a file is read; the writer leaves a longer file alone and never makes one.
inline constexpr std::size_t kIniFileLimit = 512 * 1024;

// The value of `key` in `section` of `file`, or kIniMissing. Never creates the file, never blocks
// on a pipe or device in its place, never throws.
std::string ReadIniValue(const std::filesystem::path& file, std::string_view section,
                         std::string_view key) noexcept;

// Sets `key` in `section` of `file` to `value` exactly as given, creating the file when missing
// (never its directory), and replacing it atomically. False, with the file untouched, when a name
// or the value holds CR, LF or NUL, when the file cannot be read whole or written, or when it would
// grow past kIniFileLimit. Never throws.
bool WriteIniValue(const std::filesystem::path& file, std::string_view section,
                   std::string_view key, std::string_view value) noexcept;

struct IniEntry {
    std::string_view section;
    std::string_view key;
    std::string_view value;
};

// Sets the entries in order, as WriteIniValue would one by one, but in a single replacement of
// the file: a crash or a full disk leaves all of them old or all of them new. An entry that
// WriteIniValue would refuse is left out and makes the result false; the others are still
// written. False, with the file untouched, when no entry can be set. Never throws.
bool WriteIniValues(const std::filesystem::path& file, std::span<const IniEntry> entries) noexcept;

}  // namespace pennix
