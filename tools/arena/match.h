// Computer-against-computer matches: seeded games played side by side, and their tallies.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "opponent/level.h"
#include "thinking_time.h"

namespace pennix::arena {

struct MatchOptions {
    Level level_a = Level::Genius;
    Level level_b = Level::Genius;
    int games = 1000;
    std::uint64_t seed = 1;
    int jobs = 1;
};

// One side of a match, seen from its own level.
struct SideResult {
    Level level = Level::Genius;
    std::int64_t first_moves = 0;  // games in which it drew the first wall
    std::int64_t wins = 0;
    std::int64_t draws = 0;
    std::int64_t losses = 0;
    std::int64_t boxes = 0;  // over all games
    ThinkingTime thinking;

    std::int64_t Games() const { return wins + draws + losses; }
};

struct MatchResult {
    MatchOptions options;
    std::array<SideResult, 2> sides;  // A, then B
    double seconds = 0;               // wall-clock time of the whole match
};

// The seed of game `index` of a match: the (index + 1)-th output of splitmix64 started at the
// match seed, so that each game's seed depends on nothing but the match seed and its index.
std::uint64_t GameSeed(std::uint64_t match_seed, std::int64_t index);

struct GameOutcome {
    int first_boxes = 0;  // boxes of the level that drew the first wall
    int second_boxes = 0;
};

// One game from a new board, `first` drawing the first wall; each wall's thinking time goes to
// the histogram of the level that drew it.
GameOutcome PlayGame(Level first, Level second, std::uint64_t seed, ThinkingTime& first_time,
                     ThinkingTime& second_time);

// Game i has level A draw first when i is even, level B when it is odd. The tallies are sums
// of whole numbers, so they are the same whatever the number of jobs; only the timings vary.
// `games_done`, when given, counts finished games for a progress display.
MatchResult PlayMatch(const MatchOptions& options, std::atomic<int>* games_done = nullptr);

// The score of one side: 1 per win, 0.5 per draw, 0 per loss, averaged over the games, with the
// half-width of its 95% interval, 1.96 x sd / sqrt(n), sd being the sample standard deviation of
// the per-game scores (0 for a single game).
struct Score {
    double mean = 0;
    double half_width = 0;
};

Score ScoreOf(const SideResult& side);

}  // namespace pennix::arena
