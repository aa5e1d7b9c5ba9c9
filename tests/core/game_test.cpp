// The rules of one game: what a wall did, the end, the match credit and the score line.
#include "game/game.h"

#include <gtest/gtest.h>

#include <utility>

#include "board_picture.h"
#include "positions.h"

namespace pennix {
namespace {

using testing::AllButOneBox;

TEST(GameTest, NewGameMidwayClearsEverythingButTheMatchAndCreditsNobody) {
    Game game;
    game.SetMatchScore(3, 4);
    game.LoadPosition(AllButOneBox(60), kComputer);
    game.NewGame();
    EXPECT_EQ(game.Board(), Board{});
    EXPECT_FALSE(game.GameOver());
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
    EXPECT_EQ(game.HumanWins(), 3);
    EXPECT_EQ(game.ComputerWins(), 4);
    EXPECT_EQ(game.ScoreLine(), "You 0 Me 0");
}

// The window shows, and the arena counts, only what the outcome says: each field must match the
// game it leaves behind.
TEST(GameTest, PlaceWallReportsWhatTheWallDid) {
    const Board one_box = testing::ParseBoard(R"(
.-. . . . . . . . . .
| |
. . . . . . . . . . .
)");
    const Board two_boxes = testing::ParseBoard(R"(
.-.-. . . . . . . . .
|   |
.-.-. . . . . . . . .
)");
    constexpr Wall kLast{10, 8, kRight};
    constexpr std::pair<std::int16_t, std::int16_t> kNoWins{0, 0};
    constexpr std::pair<std::int16_t, std::int16_t> kNearTop{32767, 32766};
    struct Case {
        Board board;
        char mover;
        Wall wall;
        std::pair<std::int16_t, std::int16_t> wins_before;
        WallOutcome outcome;
        const char* line;
        std::pair<std::int16_t, std::int16_t> wins_after;
    };
    const Case cases[] = {
        {Board{}, kHuman, {3, 5, kRight}, kNoWins, {0, true, false, false}, "You 0 Me 0", kNoWins},
        {Board{},
         kComputer,
         {1, 1, kLeft},
         kNoWins,
         {0, true, false, false},
         "You 0 Me 0",
         kNoWins},
        {one_box,
         kComputer,
         {1, 1, kBottom},
         kNoWins,
         {1, false, false, false},
         "You 0 Me 1",
         kNoWins},
        {one_box, kHuman, {1, 1, kTop}, kNoWins, {0, true, false, false}, "You 0 Me 0", kNoWins},
        {two_boxes,
         kHuman,
         {1, 1, kRight},
         kNoWins,
         {2, false, false, false},
         "You 2 Me 0",
         kNoWins},
        {AllButOneBox(44),
         kHuman,
         kLast,
         kNoWins,
         {1, false, true, true},
         "Game over. You win! (45-35)",
         {1, 0}},
        {AllButOneBox(32),
         kComputer,
         kLast,
         kNoWins,
         {1, false, true, true},
         "Game over. I win! (48-32)",
         {0, 1}},
        {AllButOneBox(40),
         kComputer,
         kLast,
         kNoWins,
         {1, false, true, false},
         "Game over. It's a draw! (40-40)",
         kNoWins},
        {AllButOneBox(39),
         kHuman,
         kLast,
         kNoWins,
         {1, false, true, false},
         "Game over. It's a draw! (40-40)",
         kNoWins},
        // The match score is 16-bit: it stops at the top rather than wrapping to negative.
        {AllButOneBox(44),
         kHuman,
         kLast,
         kNearTop,
         {1, false, true, false},
         "Game over. You win! (45-35)",
         kNearTop},
        {AllButOneBox(30),
         kComputer,
         kLast,
         kNearTop,
         {1, false, true, true},
         "Game over. I win! (50-30)",
         {32767, 32767}},
    };
    for (const Case& c : cases) {
        Game game;
        game.SetMatchScore(c.wins_before.first, c.wins_before.second);
        game.LoadPosition(c.board, c.mover);
        EXPECT_EQ(game.PlaceWall(c.wall), c.outcome) << c.line;
        EXPECT_EQ(game.ScoreLine(), c.line);
        EXPECT_EQ(game.GameOver(), c.outcome.game_ended) << c.line;
        const char other = c.mover == kHuman ? kComputer : kHuman;
        EXPECT_EQ(game.CurrentPlayer(), c.outcome.turn_passed ? other : c.mover) << c.line;
        EXPECT_EQ(std::pair(game.HumanWins(), game.ComputerWins()), c.wins_after) << c.line;
    }
}

TEST(GameTest, AWallIsTakenFromBothOfItsBoxes) {
    Game game;
    game.PlaceWall({3, 5, kRight});
    EXPECT_FALSE(game.IsWallFree({4, 5, kLeft}));
    EXPECT_FALSE(game.IsWallFree(4, 5, kLeft));
    EXPECT_TRUE(game.IsWallFree(4, 5, kRight));
}

TEST(GameTest, LastBoxEndsTheGameRefusesEveryWallAndCreditsOnce) {
    Game game;
    game.LoadPosition(AllButOneBox(44), kHuman);
    EXPECT_TRUE(game.IsWallFree(10, 8, kRight));
    game.PlaceWall({10, 8, kRight});
    for (const Wall& wall : kScanOrder) {
        ASSERT_FALSE(game.IsWallFree(wall));
    }
    // A stray wall after the end, drawn again, must not count the game a second time.
    EXPECT_FALSE(game.PlaceWall({10, 8, kRight}).match_credited);
    EXPECT_EQ(game.HumanWins(), 1);
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
}

// Seeding the source before a new game must not carry into it: the new game starts from the
// clock, as the game before it did, so no game replays the computer's choices of another.
TEST(GameTest, NewGameReseedsTheRandomSourceFromTheClock) {
    Game game;
    game.Random().Seed(5);
    game.NewGame();
    RandomSource seeded;
    seeded.Seed(5);
    int same = 0;
    for (int i = 0; i < 8; ++i) {
        same += game.Random().NextFloat() == seeded.NextFloat() ? 1 : 0;
    }
    EXPECT_LT(same, 8);
}

// The boxes of the game before must not linger on the new game's score line until its first
// wall is drawn.
TEST(GameTest, NewGameAfterAFinishedGameStartsTheCountsAtNothing) {
    Game game;
    game.LoadPosition(AllButOneBox(30), kComputer);
    game.PlaceWall({10, 8, kRight});
    ASSERT_TRUE(game.GameOver());
    game.NewGame();
    EXPECT_EQ(game.HumanBoxes(), 0);
    EXPECT_EQ(game.ComputerBoxes(), 0);
    EXPECT_EQ(game.ScoreLine(), "You 0 Me 0");
    EXPECT_FALSE(game.GameOver());
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
    EXPECT_TRUE(game.IsWallFree(1, 1, kTop));
    EXPECT_EQ(game.ComputerWins(), 1);
}

}  // namespace
}  // namespace pennix
