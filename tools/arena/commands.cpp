// Running analyze and match: reading their input, checking it, printing the results.
#include "commands.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <limits>
#include <string_view>

#include "analyze.h"
#include "game/game.h"
#include "json_layout.h"
#include "match.h"
#include "match_report.h"
#include "progress_bar.h"
#include "record.h"
#include "text.h"

namespace pennix::arena {

namespace {

constexpr int kMostJobs = 64;

// Level names are taken in any case: "Hard" and "GENIUS" name levels as "hard" and "genius" do.
Level ParseLevel(std::string_view name, const std::string& text) {
    if (const auto level = LevelFromName(AsciiLower(text))) {
        return *level;
    }
    throw UsageError(std::string(name) + ": unknown level " + Quoted(text) +
                     " (expected easy, medium, hard, genius or expert)");
}

std::uint64_t ParseWhole(std::string_view name, const std::string& text, std::uint64_t least,
                         std::uint64_t most) {
    const auto value = ParseDecimal(text);
    if (!value || *value < least || *value > most) {
        throw UsageError(std::string(name) + " must be a whole number from " +
                         std::to_string(least) + " to " + std::to_string(most) + ", found " +
                         Quoted(text));
    }
    return *value;
}

MatchOptions CheckMatchArguments(const MatchArguments& arguments) {
    MatchOptions options;
    options.level_a = ParseLevel("LEVEL_A", arguments.level_a);
    options.level_b = ParseLevel("LEVEL_B", arguments.level_b);
    options.games = static_cast<int>(
        ParseWhole("--games", arguments.games, 1, std::numeric_limits<int>::max()));
    options.seed =
        ParseWhole("--seed", arguments.seed, 0, std::numeric_limits<std::uint64_t>::max());
    options.jobs = static_cast<int>(ParseWhole("--jobs", arguments.jobs, 1, kMostJobs));
    return options;
}

}  // namespace

int FinishOutput() {
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "pennix-arena: could not write to standard output\n";
        return kExitFailure;
    }
    return 0;
}

int RunAnalyze() {
    Game game;
    const auto error = PlayRecord(std::cin, game);
    // The input stream takes a failed read (standard input a directory, say) for the end of the
    // record; stdio, which it reads through, keeps the error.
    if (std::ferror(stdin) != 0) {
        std::cerr << "pennix-arena: could not read standard input\n";
        return kExitFailure;
    }
    if (error) {
        std::cerr << error->Text() << '\n';
        return kExitBadInput;
    }
    std::cout << OneLineJson(Analyze(game)) << '\n';
    return FinishOutput();
}

int RunMatch(const MatchArguments& arguments) {
    const MatchOptions options = CheckMatchArguments(arguments);
    std::atomic<int> games_done = 0;
    MatchResult result;
    {
        const ProgressBar bar(games_done, options.games);
        result = PlayMatch(options, &games_done);
    }
    if (arguments.json) {
        std::cout << OneLineJson(MatchJson(result)) << '\n';
    } else {
        std::cout << MatchTable(result);
    }
    return FinishOutput();
}

}  // namespace pennix::arena
