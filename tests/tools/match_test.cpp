// Matches: reproducible tallies for a seed, the score interval, and the thinking-time histogram.
#include "match.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdio>

#include "match_report.h"

namespace pennix::arena {
namespace {

MatchOptions Options(Level a, Level b, int games, std::uint64_t seed, int jobs) {
    MatchOptions options;
    options.level_a = a;
    options.level_b = b;
    options.games = games;
    options.seed = seed;
    options.jobs = jobs;
    return options;
}

void ExpectSameTallies(const SideResult& one, const SideResult& other) {
    EXPECT_EQ(one.level, other.level);
    EXPECT_EQ(one.first_moves, other.first_moves);
    EXPECT_EQ(one.wins, other.wins);
    EXPECT_EQ(one.draws, other.draws);
    EXPECT_EQ(one.losses, other.losses);
    EXPECT_EQ(one.boxes, other.boxes);
    EXPECT_EQ(one.thinking.Count(), other.thinking.Count());
}

TEST(GameSeed, IsSplitMix64OfTheMatchSeed) {
    // The first two outputs of splitmix64 started at 0.
    EXPECT_EQ(GameSeed(0, 0), 0xe220a8397b1dcdafULL);
    EXPECT_EQ(GameSeed(0, 1), 0x6e789e6aa1b965f4ULL);
    EXPECT_NE(GameSeed(1, 0), GameSeed(2, 0));
}

TEST(PlayMatch, SameTalliesWhateverTheNumberOfJobs) {
    // An odd number of games, so that the two sides do not move first equally often.
    const MatchResult one = PlayMatch(Options(Level::Medium, Level::Hard, 41, 5, 1));
    std::atomic<int> games_done = 0;
    const MatchResult three = PlayMatch(Options(Level::Medium, Level::Hard, 41, 5, 3), &games_done);
    EXPECT_EQ(games_done, 41);
    for (int side = 0; side < 2; ++side) {
        ExpectSameTallies(one.sides[side], three.sides[side]);
    }
    EXPECT_EQ(one.sides[0].first_moves, 21);
    EXPECT_EQ(one.sides[1].first_moves, 20);
}

TEST(PlayMatch, EveryGameEndsWithAllBoxesOwnedAndOneResultEach) {
    const MatchResult result = PlayMatch(Options(Level::Easy, Level::Medium, 30, 11, 2));
    const SideResult& a = result.sides[0];
    const SideResult& b = result.sides[1];
    EXPECT_EQ(a.boxes + b.boxes, 80 * 30);
    EXPECT_EQ(a.wins + a.draws + a.losses, 30);
    EXPECT_EQ(a.wins, b.losses);
    EXPECT_EQ(a.draws, b.draws);
    // At least one wall each per game, at most 178 between them.
    EXPECT_GE(a.thinking.Count(), 30u);
    EXPECT_LE(a.thinking.Count() + b.thinking.Count(), 178u * 30);
}

// Signatures of what the computer plays, like a chess engine's bench: a change in any finder,
// scan order or random draw shows up here. Update them only for an intended change of play.
struct Signature {
    Level a;
    Level b;
    int games;
    std::uint64_t seed;
    std::int64_t a_wins, a_draws, a_losses, a_boxes;
};

TEST(PlayMatch, FixedSeedsGiveTheRecordedResults) {
    const Signature signatures[] = {
        {Level::Easy, Level::Genius, 20, 7, 0, 0, 20, 36},
        {Level::Hard, Level::Genius, 20, 7, 0, 0, 20, 409},
        {Level::Medium, Level::Hard, 40, 3, 0, 0, 40, 634},
        {Level::Hard, Level::Hard, 20, 7, 9, 1, 10, 799},
        {Level::Genius, Level::Genius, 20, 7, 10, 0, 10, 789},
    };
    for (const Signature& s : signatures) {
        const MatchResult result = PlayMatch(Options(s.a, s.b, s.games, s.seed, 2));
        const SideResult& a = result.sides[0];
        EXPECT_EQ(a.wins, s.a_wins) << LevelName(s.a) << " vs " << LevelName(s.b);
        EXPECT_EQ(a.draws, s.a_draws) << LevelName(s.a) << " vs " << LevelName(s.b);
        EXPECT_EQ(a.losses, s.a_losses) << LevelName(s.a) << " vs " << LevelName(s.b);
        EXPECT_EQ(a.boxes, s.a_boxes) << LevelName(s.a) << " vs " << LevelName(s.b);
    }
}

SideResult Tally(std::int64_t wins, std::int64_t draws, std::int64_t losses) {
    SideResult side;
    side.wins = wins;
    side.draws = draws;
    side.losses = losses;
    return side;
}

TEST(ScoreOf, MeanAndHalfWidthOfThe95PercentInterval) {
    EXPECT_DOUBLE_EQ(ScoreOf(Tally(10, 0, 0)).mean, 1.0);
    EXPECT_DOUBLE_EQ(ScoreOf(Tally(10, 0, 0)).half_width, 0.0);
    EXPECT_DOUBLE_EQ(ScoreOf(Tally(0, 6, 0)).mean, 0.5);
    EXPECT_DOUBLE_EQ(ScoreOf(Tally(0, 6, 0)).half_width, 0.0);
    // Scores 1 and 0: sample sd sqrt(0.5), half-width 1.96 x sqrt(0.5) / sqrt(2).
    EXPECT_NEAR(ScoreOf(Tally(1, 0, 1)).half_width, 0.98, 1e-12);
    // Scores 1, 0.5, 0.5, 0: sample sd sqrt(0.5 / 3).
    EXPECT_NEAR(ScoreOf(Tally(1, 2, 1)).half_width, 1.96 * std::sqrt(0.5 / 3) / 2, 1e-12);
    EXPECT_NEAR(ScoreOf(Tally(3, 1, 0)).mean, 0.875, 1e-12);
    // One game tells nothing about the spread.
    EXPECT_DOUBLE_EQ(ScoreOf(Tally(0, 0, 1)).half_width, 0.0);
    EXPECT_DOUBLE_EQ(ScoreOf(Tally(0, 0, 0)).mean, 0.0);
}

TEST(ThinkingTime, ShortTimesAreExactAndLongOnesWithinOnePercent) {
    ThinkingTime time;
    EXPECT_EQ(time.PercentileMicroseconds(0.99), 0.0);
    for (std::uint64_t ns = 1; ns <= 100; ++ns) {
        time.Add(ns);
    }
    EXPECT_DOUBLE_EQ(time.PercentileMicroseconds(0.99), 0.099);
    EXPECT_DOUBLE_EQ(time.PercentileMicroseconds(0.5), 0.050);
    EXPECT_DOUBLE_EQ(time.MeanMicroseconds(), 0.0505);
    EXPECT_DOUBLE_EQ(time.MaxMicroseconds(), 0.1);

    ThinkingTime slow;
    for (std::uint64_t us = 1; us <= 1000; ++us) {
        slow.Add(us * 1000);
    }
    slow.Add(5'000'000'000ULL);  // one five-second wall
    time.Merge(slow);
    EXPECT_EQ(time.Count(), 1101u);
    // Rank 991 of 1101: the 100 short walls, then 891 of the slow ones.
    EXPECT_NEAR(time.PercentileMicroseconds(0.9), 891.0, 8.91);
    EXPECT_DOUBLE_EQ(time.MaxMicroseconds(), 5'000'000.0);
    EXPECT_DOUBLE_EQ(time.PercentileMicroseconds(1.0), 5'000'000.0);

    // The largest time survives a merge into a histogram of shorter ones, as a match's first
    // worker's does.
    ThinkingTime quick;
    quick.Add(10);
    slow.Merge(quick);
    EXPECT_DOUBLE_EQ(slow.MaxMicroseconds(), 5'000'000.0);
}

TEST(ThinkingTime, PercentilesNeitherOverstepTheRankNorTheLargestTime) {
    ThinkingTime time;
    for (std::uint64_t ns = 1; ns <= 100; ++ns) {
        time.Add(ns);
    }
    // 0.07 x 100 comes out a hair above 7 in floating point.
    EXPECT_DOUBLE_EQ(time.PercentileMicroseconds(0.07), 0.007);

    // 1000 and 1001 ns share a bucket whose middle, 1004 ns, lies above both.
    ThinkingTime shared;
    shared.Add(1000);
    shared.Add(1000);
    shared.Add(1001);
    const double median = shared.PercentileMicroseconds(0.5);
    EXPECT_LE(median, shared.MaxMicroseconds());
    EXPECT_NEAR(median, 1.0, 0.01);
}

TEST(MatchReport, TableAndJsonShowTheSameTallies) {
    MatchResult result;
    result.options = Options(Level::Easy, Level::Genius, 4, 9, 1);
    result.sides[0] = Tally(1, 1, 2);
    result.sides[0].level = Level::Easy;
    result.sides[0].boxes = 100;
    result.sides[1] = Tally(2, 1, 1);
    result.sides[1].boxes = 220;
    for (std::uint64_t ns = 1; ns <= 100; ++ns) {
        result.sides[0].thinking.Add(ns * 1000);
    }
    result.seconds = 2;

    const std::string table = MatchTable(result);
    EXPECT_NE(table.find("easy vs genius: 4 games, seed 9, 1 jobs"), std::string::npos) << table;
    EXPECT_NE(table.find("A easy"), std::string::npos) << table;
    EXPECT_NE(table.find("25.00  0.375 +/- 0."), std::string::npos) << table;
    EXPECT_NE(table.find("games per second: 2.0"), std::string::npos) << table;

    const nlohmann::ordered_json json = MatchJson(result);
    EXPECT_EQ(json["sides"][0]["level"], "easy");
    EXPECT_EQ(json["sides"][0]["losses"], 2);
    EXPECT_EQ(json["sides"][1]["mean_boxes"], 55.0);
    EXPECT_DOUBLE_EQ(json["sides"][1]["score"].get<double>(), 0.625);
    // 0.375 and 0.625 +/- 0.469: the intervals are cut at 0 and at 1.
    EXPECT_EQ(json["sides"][0]["score_low"].get<double>(), 0.0);
    EXPECT_NEAR(json["sides"][0]["score_high"].get<double>(), 0.844, 0.001);
    EXPECT_NEAR(json["sides"][1]["score_low"].get<double>(), 0.156, 0.001);
    EXPECT_EQ(json["sides"][1]["score_high"].get<double>(), 1.0);
    EXPECT_EQ(json["games_per_second"], 2.0);
    // A's thinking: 1 to 100 us, so the 99th percentile is 99 us within the histogram's 1%.
    const double p99 = json["sides"][0]["thinking_p99_us"].get<double>();
    EXPECT_NEAR(p99, 99.0, 0.99);
    EXPECT_DOUBLE_EQ(json["sides"][0]["thinking_max_us"].get<double>(), 100.0);
    char columns[64];
    std::snprintf(columns, sizeof columns, " 50.5 %9.1f     100.0\n", p99);
    EXPECT_NE(table.find(columns), std::string::npos) << table;
}

}  // namespace
}  // namespace pennix::arena
