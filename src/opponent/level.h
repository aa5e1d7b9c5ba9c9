// The five strengths the computer plays at.
#pragma once

#include <optional>
#include <string_view>

namespace pennix {

enum class Level { Easy, Medium, Hard, Genius, Expert };

inline constexpr Level kLevels[] = {Level::Easy, Level::Medium, Level::Hard, Level::Genius,
                                    Level::Expert};

constexpr std::string_view LevelName(Level level) {
    switch (level) {
        case Level::Easy:
            return "easy";
        case Level::Medium:
            return "medium";
        case Level::Hard:
            return "hard";
        case Level::Genius:
            return "genius";
        case Level::Expert:
            break;
    }
    return "expert";
}

constexpr std::optional<Level> LevelFromName(std::string_view name) {
    for (Level level : kLevels) {
        if (LevelName(level) == name) {
            return level;
        }
    }
    return std::nullopt;
}

}  // namespace pennix
