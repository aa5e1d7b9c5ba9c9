// Presenting a match: the same figures in the table and in the JSON object.
#include "match_report.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <string_view>

namespace pennix::arena {

namespace {

using nlohmann::ordered_json;

constexpr std::array<std::string_view, 2> kSideLetters{"A", "B"};
constexpr double kP99 = 0.99;

double MeanBoxes(const SideResult& side) {
    const std::int64_t games = side.Games();
    return games == 0 ? 0 : static_cast<double>(side.boxes) / static_cast<double>(games);
}

double GamesPerSecond(const MatchResult& result) {
    return result.seconds > 0 ? result.options.games / result.seconds : 0;
}

__attribute__((format(printf, 1, 2))) std::string Format(const char* format, ...) {
    char line[256];
    std::va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    return line;
}

std::string SideLabel(int index, const SideResult& side) {
    return std::string(kSideLetters[index]) + " " + std::string(LevelName(side.level));
}

std::string ResultRows(const MatchResult& result) {
    std::string text = Format("%-10s %6s %6s %6s %6s %10s  %s\n", "level", "first", "wins", "draws",
                              "losses", "mean boxes", "score (95% interval)");
    for (int i = 0; i < 2; ++i) {
        const SideResult& side = result.sides[i];
        const Score score = ScoreOf(side);
        text += Format("%-10s %6lld %6lld %6lld %6lld %10.2f  %.3f +/- %.3f\n",
                       SideLabel(i, side).c_str(), static_cast<long long>(side.first_moves),
                       static_cast<long long>(side.wins), static_cast<long long>(side.draws),
                       static_cast<long long>(side.losses), MeanBoxes(side), score.mean,
                       score.half_width);
    }
    return text;
}

std::string ThinkingRows(const MatchResult& result) {
    std::string text =
        Format("%-10s %9s %9s %9s %9s\n", "thinking", "walls", "mean us", "p99 us", "max us");
    for (int i = 0; i < 2; ++i) {
        const ThinkingTime& time = result.sides[i].thinking;
        text += Format("%-10s %9llu %9.1f %9.1f %9.1f\n", SideLabel(i, result.sides[i]).c_str(),
                       static_cast<unsigned long long>(time.Count()), time.MeanMicroseconds(),
                       time.PercentileMicroseconds(kP99), time.MaxMicroseconds());
    }
    return text;
}

ordered_json SideJson(int index, const SideResult& side) {
    const Score score = ScoreOf(side);
    ordered_json json;
    json["side"] = kSideLetters[index];
    json["level"] = LevelName(side.level);
    json["first_moves"] = side.first_moves;
    json["wins"] = side.wins;
    json["draws"] = side.draws;
    json["losses"] = side.losses;
    json["mean_boxes"] = MeanBoxes(side);
    json["score"] = score.mean;
    // A game scores 0 to 1, so the interval is cut there; with few games it reaches beyond.
    json["score_low"] = std::max(0.0, score.mean - score.half_width);
    json["score_high"] = std::min(1.0, score.mean + score.half_width);
    json["thinking_walls"] = side.thinking.Count();
    json["thinking_mean_us"] = side.thinking.MeanMicroseconds();
    json["thinking_p99_us"] = side.thinking.PercentileMicroseconds(kP99);
    json["thinking_max_us"] = side.thinking.MaxMicroseconds();
    return json;
}

}  // namespace

std::string MatchTable(const MatchResult& result) {
    const MatchOptions& options = result.options;
    std::string text = Format("%s vs %s: %d games, seed %llu, %d jobs\n",
                              std::string(LevelName(options.level_a)).c_str(),
                              std::string(LevelName(options.level_b)).c_str(), options.games,
                              static_cast<unsigned long long>(options.seed), options.jobs);
    text += ResultRows(result);
    text += ThinkingRows(result);
    text += Format("games per second: %.1f\n", GamesPerSecond(result));
    return text;
}

ordered_json MatchJson(const MatchResult& result) {
    const MatchOptions& options = result.options;
    ordered_json json;
    json["level_a"] = LevelName(options.level_a);
    json["level_b"] = LevelName(options.level_b);
    json["games"] = options.games;
    json["seed"] = options.seed;
    json["jobs"] = options.jobs;
    json["sides"] =
        ordered_json::array({SideJson(0, result.sides[0]), SideJson(1, result.sides[1])});
    json["seconds"] = result.seconds;
    json["games_per_second"] = GamesPerSecond(result);
    return json;
}

}  // namespace pennix::arena
