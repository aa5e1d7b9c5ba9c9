// The settings and score file pennix.ini: where it lives, what it holds, loading and saving it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pennix {

inline constexpr std::string_view kSettingsFileName = "pennix.ini";

// The stored texts of the Options menu's entries, in menu order. A level text that matches none
// of them exactly selects Genius, as it did before Expert came after it, so that a file written
// by an older game reads the same; a speed text that matches none selects the last entry.
inline constexpr std::array<std::string_view, 5> kLevelTexts{"Easy", "Medium", "Hard", "Genius",
                                                             "Expert"};
inline constexpr std::size_t kUnknownLevelIndex = 3;
static_assert(kLevelTexts[kUnknownLevelIndex] == "Genius");
inline constexpr std::array<std::string_view, 3> kSpeedTexts{"Slow", "Medium", "Fast"};
// Whether the computer's last turn stays marked: only "Off" switches the marks off, and a file
// without the key has them on.
inline constexpr std::string_view kMarksOn = "On";
inline constexpr std::string_view kMarksOff = "Off";

// What the file remembers between runs. The texts are kept as read, "none" for a missing key,
// so that start-up can tell a file without a level from a file with an unknown one.
struct Settings {
    std::string level;
    std::string speed;
    std::int16_t human_wins = 0;
    std::int16_t computer_wins = 0;
    // "none" when the file has no such key; a save then writes none either, so that the files of
    // players who never change the option stay as they were.
    std::string marks = "none";

    bool operator==(const Settings&) const = default;
};

// The value of an environment variable; empty when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

std::optional<std::string> SystemEnvironment(const std::string& name);

// The file beside the program when the program's directory is writable and not one of the
// system's program folders (/usr/bin, /usr/games, /usr/local/bin, ...); otherwise the user's own,
// $XDG_CONFIG_HOME/pennix/pennix.ini or ~/.config/pennix/pennix.ini (the home from the account when
// HOME is not set), so that a game installed for all users still keeps each user's score.
std::filesystem::path SettingsFile(const std::filesystem::path& program_directory,
                                   const EnvironmentLookup& environment = SystemEnvironment);

// Reads the four entries; nothing is written.
Settings LoadSettings(const std::filesystem::path& file);

// Start-up: the stored settings, or, when the file has no "Level" key, the defaults, which are
// then written to the file. Only a missing "Level" writes: a file with other keys missing or
// with unknown texts stays as it is.
Settings LoadOrCreateSettings(const std::filesystem::path& file);

// Unload: writes level, speed, greeting, the two scores and the marks when known, in that order, in
// one replacement of the file, so that a crash never leaves part of one save beside part of
// another. False when any of them could not be written (a read-only or oversized file, a full
// disk); the game can then only say so, as nothing else can be done at exit.
bool SaveSettings(const std::filesystem::path& file, const Settings& settings);

// " 3" for 3, " 0" for 0, "-5" for -5.
std::string NumberText(std::int16_t value);

// The decimal number the text begins with, blanks ignored, rounded half to even and clamped to
// -32768..32767; 0 when the text does not begin with a number.
std::int16_t NumberFromText(std::string_view text);

// The index into kLevelTexts or kSpeedTexts of the entry a stored text selects.
std::size_t LevelIndex(std::string_view text);
std::size_t SpeedIndex(std::string_view text);

}  // namespace pennix
