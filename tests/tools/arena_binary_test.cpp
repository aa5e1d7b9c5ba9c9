// The built pennix-arena as a user meets it: help, bad arguments, bad records, and its results.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "record_texts.h"
#include "run_arena.h"

namespace pennix::arena::testing {
namespace {

using Arguments = std::vector<std::string>;

bool IsOneLine(const std::string& text) {
    return !text.empty() && text.back() == '\n' && std::count(text.begin(), text.end(), '\n') == 1;
}

TEST(ArenaBinary, HelpOnEveryCommandExitsZero) {
    for (const Arguments& arguments :
         {Arguments{"--help"}, Arguments{"-h"}, Arguments{"analyze", "--help"},
          Arguments{"match", "--help"}, Arguments{"match", "easy", "--help"}}) {
        const ArenaRun run = RunArena(arguments);
        EXPECT_EQ(run.exit_status, 0) << arguments.back();
        EXPECT_NE(run.out.find("Usage:"), std::string::npos) << arguments.back();
        EXPECT_EQ(run.err, "");
    }
    EXPECT_NE(RunArena({"match", "--help"}).out.find("1.96"), std::string::npos);
}

TEST(ArenaBinary, NoCommandPrintsHelpAsAnError) {
    const ArenaRun run = RunArena({});
    EXPECT_EQ(run.exit_status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Usage:"), std::string::npos);
}

TEST(ArenaBinary, ABadArgumentIsOneLineAndExitStatusTwo) {
    const Arguments cases[] = {
        {"bogus"},
        {"analyze", "extra"},
        {"--frobnicate"},
        {"match"},
        {"match", "easy"},
        {"match", "easy", "grandmaster"},
        {"match", "expert ", "easy"},
        {"match", "easy", "hard", "extra"},
        {"match", "easy", "hard", "--games"},
        {"match", "easy", "hard", "--games", "0"},
        {"match", "easy", "hard", "--games", "ten"},
        {"match", "easy", "hard", "--games", "99999999999"},
        {"match", "easy", "hard", "--jobs", "0"},
        {"match", "easy", "hard", "--jobs", "65"},
        {"match", "easy", "hard", "--seed", "-1"},
        {"match", "easy", "hard", "--seed", "0x10"},
        {"match", "easy", "hard", "--seed", "18446744073709551616"},
        {"match", "easy", "hard", "--level", "hard"},
        {"bogus\n\x1b[2J"},
    };
    for (const Arguments& arguments : cases) {
        const ArenaRun run = RunArena(arguments);
        std::string shown;
        for (const std::string& argument : arguments) {
            shown += argument + " ";
        }
        EXPECT_EQ(run.exit_status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        EXPECT_TRUE(IsOneLine(run.err)) << shown << "-> " << run.err;
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << shown;
    }
    // The message points at the help of the command whose arguments were wrong.
    EXPECT_EQ(RunArena({"match", "easy"}).err.rfind("pennix-arena match: ", 0), 0u);
}

// Every bound an argument may take is itself accepted.
TEST(ArenaBinary, TheBoundsOfEveryArgumentAreAccepted) {
    const ArenaRun run = RunArena({"match", "easy", "easy", "--games", "1", "--jobs", "64",
                                   "--seed", "18446744073709551615", "--json"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["games"], 1);
    EXPECT_EQ(json["jobs"], 64);
    EXPECT_EQ(json["seed"], 18446744073709551615ULL);
    EXPECT_EQ(RunArena({"match", "easy", "easy", "--games", "1", "--seed", "0"}).exit_status, 0);
}

TEST(ArenaBinary, ABadRecordIsReportedByLineWithNothingOnStandardOutput) {
    const ArenaRun drawn = RunArena({"analyze"}, "# start\r\n1 1 top\r\n\r\n1 1 top\r\n");
    EXPECT_EQ(drawn.exit_status, 2);
    EXPECT_EQ(drawn.out, "");
    EXPECT_EQ(drawn.err, "line 4: wall 1 1 top is already drawn\n");

    const ArenaRun malformed = RunArena({"analyze"}, "1 1 top\n2 \x1b[31m bottom\n");
    EXPECT_EQ(malformed.exit_status, 2);
    EXPECT_EQ(malformed.out, "");
    EXPECT_EQ(malformed.err.rfind("line 2: ", 0), 0u) << malformed.err;
    EXPECT_TRUE(IsOneLine(malformed.err));
    EXPECT_EQ(malformed.err.find('\x1b'), std::string::npos);

    // A finite stand-in for /dev/zero: one line that never ends.
    const ArenaRun zeros = RunArena({"analyze"}, std::string(1 << 20, '\0'));
    EXPECT_EQ(zeros.exit_status, 2);
    EXPECT_EQ(zeros.out, "");
    EXPECT_EQ(zeros.err.rfind("line 1: longer than ", 0), 0u) << zeros.err;

    const ArenaRun over = RunArena({"analyze"}, AllWallsRecord() + "1 1 top\n");
    EXPECT_EQ(over.exit_status, 2);
    EXPECT_EQ(over.out, "");
    EXPECT_EQ(over.err.rfind("line 179: ", 0), 0u) << over.err;
}

// A directory opens but cannot be read: that is no empty record, and no success.
TEST(ArenaBinary, AnUnreadableRecordIsAFailureNotANewGame) {
    const ArenaRun run = RunArenaReading({"analyze"}, ::testing::TempDir());
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "pennix-arena: could not read standard input\n");
}

// Help, analysis or a match table that never reached its reader, on a full disk or in a pipe
// whose reader has gone, is no success; neither is it a silent end by SIGPIPE.
TEST(ArenaBinary, OutputThatCannotBeWrittenIsAFailure) {
    for (const Arguments& arguments :
         {Arguments{"--help"}, Arguments{"match", "--help"}, Arguments{"analyze"},
          Arguments{"match", "easy", "easy", "--games", "2"}}) {
        for (const ArenaRun& run :
             {RunArenaWriting(arguments, "/dev/full"), RunArenaIntoClosedPipe(arguments)}) {
            EXPECT_EQ(run.exit_status, 1) << arguments.front();
            EXPECT_EQ(run.err, "pennix-arena: could not write to standard output\n")
                << arguments.front();
        }
    }
}

TEST(ArenaBinary, AnalyzePrintsOneJsonLine) {
    const ArenaRun run = RunArena({"analyze"}, "\t1 1 top  \n# the computer answers\n1 1 left\n");
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.err, "");
    ASSERT_TRUE(IsOneLine(run.out));
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["current_player"], "H");
    // 320 (box, side) pairs, less the two drawn and the four that would give (1, 1) a third side.
    EXPECT_EQ(json["safe_walls"].size(), 314u);
    EXPECT_EQ(run.out.rfind("{\"current_player\": \"H\", \"human_boxes\": 0, ", 0), 0u);
}

nlohmann::json MatchJson(const Arguments& extra) {
    Arguments arguments{"match", "hard", "genius", "--games", "40", "--seed", "3", "--json"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    const ArenaRun run = RunArena(arguments);
    EXPECT_EQ(run.exit_status, 0) << run.err;
    EXPECT_TRUE(IsOneLine(run.out));
    return nlohmann::json::parse(run.out);
}

TEST(ArenaBinary, MatchResultsDoNotDependOnTheNumberOfJobs) {
    const nlohmann::json one = MatchJson({"--jobs", "1"});
    const nlohmann::json two = MatchJson({"--jobs", "2"});
    for (int side = 0; side < 2; ++side) {
        for (const char* key : {"level", "first_moves", "wins", "draws", "losses", "mean_boxes",
                                "score", "score_low", "score_high", "thinking_walls"}) {
            EXPECT_EQ(one["sides"][side][key], two["sides"][side][key]) << key;
        }
    }
    EXPECT_EQ(two["jobs"], 2);
}

TEST(ArenaBinary, MatchTableGoesToStandardOutputOnly) {
    const ArenaRun run = RunArena({"match", "medium", "hard", "--games", "4"});
    EXPECT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(run.err, "");  // no progress bar when standard error is not a terminal
    EXPECT_EQ(run.out.rfind("medium vs hard: 4 games, seed 1, 1 jobs\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("games per second"), std::string::npos) << run.out;
}

// Level names are taken in any case, and Expert is one of them.
TEST(ArenaBinary, MatchTakesLevelNamesInAnyCase) {
    const ArenaRun run = RunArena({"match", "Hard", "GENIUS", "--games", "2", "--json"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["level_a"], "hard");
    EXPECT_EQ(json["level_b"], "genius");
    const ArenaRun expert = RunArena({"match", "expert", "Easy", "--games", "2", "--json"});
    ASSERT_EQ(expert.exit_status, 0) << expert.err;
    EXPECT_EQ(nlohmann::json::parse(expert.out)["sides"][0]["wins"], 2);
    const ArenaRun unknown = RunArena({"match", "grandmaster", "easy"});
    EXPECT_EQ(unknown.exit_status, 2);
    EXPECT_NE(unknown.err.find("expected easy, medium, hard, genius or expert"), std::string::npos)
        << unknown.err;
}

// Like a chess engine's bench signature: a change in what the computer plays shows up here.
TEST(ArenaBinary, MatchSignatureForAFixedSeed) {
    const ArenaRun run =
        RunArena({"match", "easy", "genius", "--games", "20", "--seed", "7", "--json"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const nlohmann::json easy = nlohmann::json::parse(run.out)["sides"][0];
    EXPECT_EQ(easy["wins"], 0);
    EXPECT_EQ(easy["draws"], 0);
    EXPECT_EQ(easy["losses"], 20);
    EXPECT_EQ(easy["mean_boxes"], 1.8);
    // The walls each level drew, whichever drew first.
    EXPECT_EQ(easy["thinking_walls"], 1049);
    EXPECT_EQ(nlohmann::json::parse(run.out)["sides"][1]["thinking_walls"], 20 * 178 - 1049);
}

}  // namespace
}  // namespace pennix::arena::testing
