// The computer's simple finders and levels: taking order, safe walls, fallbacks, whole turns.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <tuple>
#include <utility>

#include "board_picture.h"
#include "game/game.h"
#include "game/game_view.h"
#include "opponent/level.h"
#include "opponent/opponent.h"
#include "positions.h"

namespace pennix {
namespace {

using testing::CountWalls;
using testing::DrawBoard;
using testing::ParseBoard;

// Counts the walls the game asks to blink.
class CountingView : public GameView {
  public:
    void RefreshBoard() override {}
    void AnimateWall(int, int, int) override { ++animated; }

    int animated = 0;
};

class FindersTest : public ::testing::Test {
  protected:
    void Load(const char* picture, char player = kComputer) {
        game.LoadPosition(ParseBoard(picture), player);
        game.Random().Seed(7);
    }

    Game game;
    Opponent opponent{game};
};

TEST_F(FindersTest, TakeBoxTakesTheLowestColumnFirst) {
    Load(testing::kTwoBoxesOnOffer);
    EXPECT_EQ(opponent.FindBoxToTake(), (Wall{1, 8, kRight}));
    opponent.TakeBox();
    EXPECT_TRUE(opponent.MoveMade());
    EXPECT_EQ(game.Board()(1, 8).Owner, kComputer);
    EXPECT_EQ(game.Board()(2, 1).Owner, kNobody);
    EXPECT_EQ(game.CurrentPlayer(), kComputer);
}

TEST_F(FindersTest, TakeBoxClosesTwoBoxesWithOneWall) {
    Load(R"(
. . . . . . . . . . .

. . . . .-.-. . . . .
        |   |
. . . . .-.-. . . . .
)");
    EXPECT_EQ(opponent.FindBoxToTake(), (Wall{5, 2, kRight}));
    opponent.TakeBox();
    EXPECT_EQ(game.ComputerBoxes(), 2);
    EXPECT_EQ(CountWalls(game.Board()), 7);
}

TEST_F(FindersTest, TakeBoxDrawsNothingWhenNothingIsOnOffer) {
    Load(testing::kThreeChainsInTheTopRow);
    opponent.TakeBox();
    EXPECT_FALSE(opponent.MoveMade());
    EXPECT_EQ(game.Board(), ParseBoard(testing::kThreeChainsInTheTopRow));
}

TEST_F(FindersTest, UnsafeWallsLeaveThreeSidesOnEitherBox) {
    Load(R"(
.-. . . . .-. . . . .
          | |
. .-. . . . . . . . .
)");
    EXPECT_FALSE(opponent.IsUnsafeWall(1, 1, kLeft));    // (1, 1) gets its second side
    EXPECT_FALSE(opponent.IsUnsafeWall(2, 1, kLeft));    // shared: (1, 1) and (2, 1) get two
    EXPECT_FALSE(opponent.IsUnsafeWall(2, 2, kBottom));  // (2, 2) and (2, 3) get one each
    EXPECT_TRUE(opponent.IsUnsafeWall(6, 1, kBottom));   // (6, 1) would have four sides
    EXPECT_TRUE(opponent.IsUnsafeWall(6, 2, kTop));      // the same wall from below
    EXPECT_FALSE(opponent.IsUnsafeWall(7, 1, kTop));     // row 1: nothing above to look at
    game.PlaceWall(1, 1, kLeft, false);
    EXPECT_TRUE(opponent.IsUnsafeWall(1, 1, kBottom));  // (1, 1) would have three sides
    EXPECT_TRUE(opponent.IsUnsafeWall(1, 2, kTop));     // seen from the box below
    EXPECT_TRUE(opponent.IsUnsafeWall(2, 1, kLeft));    // seen from the box to the right
    EXPECT_FALSE(opponent.IsUnsafeWall(2, 1, kTop));    // (2, 1) gets its second side
}

TEST_F(FindersTest, SafeListHoldsSharedWallsTwiceInScanOrder) {
    Load("");
    opponent.ListSafeWalls();
    ASSERT_EQ(opponent.SafeCount(), kScanLength);  // every wall of an empty board is safe
    for (int i = 0; i < kScanLength; ++i) {
        EXPECT_EQ(opponent.SafeList()[i].AsWall(), kScanOrder[i]);
    }

    Load(testing::kChainOfFive);
    opponent.ListSafeWalls();
    std::set<std::tuple<int, int, int>> listed;
    for (const WallCandidate& c : opponent.SafeList()) {
        listed.insert({c.X, c.Y, c.Side});
        EXPECT_FALSE(c.Y == 8 && c.X >= 6) << "a wall of the chain at " << c.X;
    }
    EXPECT_EQ(listed.size(), static_cast<std::size_t>(opponent.SafeCount()));
    EXPECT_TRUE(listed.contains({5, 8, kTop}));
    EXPECT_FALSE(listed.contains({5, 8, kRight}));  // the chain's far end
    EXPECT_TRUE(listed.contains({6, 7, kTop}));     // the box above has one side only
    EXPECT_TRUE(listed.contains({3, 4, kRight}) && listed.contains({4, 4, kLeft}));
}

TEST_F(FindersTest, SafeWallGivesNothingAwayAndPassesTheTurn) {
    for (std::uint64_t seed = 0; seed < 50; ++seed) {
        Load(testing::kChainOfFive);
        game.Random().Seed(seed);
        const int walls_before = CountWalls(game.Board());
        opponent.SafeWall();
        ASSERT_TRUE(opponent.MoveMade());
        EXPECT_EQ(game.CurrentPlayer(), kHuman);
        EXPECT_EQ(opponent.FindBoxToTake(), (Wall{10, 8, kLeft})) << DrawBoard(game.Board());
        EXPECT_EQ(CountWalls(game.Board()), walls_before + 1);
    }
}

TEST_F(FindersTest, SafeWallPicksSharedWallsTwiceAsOftenAsBorderWalls) {
    int border = 0;
    int shared = 0;
    for (std::uint64_t seed = 0; seed < 4000; ++seed) {
        game.NewGame();
        game.Random().Seed(seed);
        game.PlaceWall(1, 1, kTop, false);
        const Board before = game.Board();
        opponent.SafeWall();
        int boxes_touched = 0;
        for (int x = 1; x <= kColumns; ++x) {
            for (int y = 1; y <= kRows; ++y) {
                boxes_touched += game.Board()(x, y).Walls != before(x, y).Walls ? 1 : 0;
            }
        }
        (boxes_touched == 2 ? shared : border) += 1;
    }
    // 142 shared walls listed twice against 35 free border walls.
    EXPECT_NEAR(static_cast<double>(shared) / (shared + border), 284.0 / 319.0, 0.02);
}

// Every box has its top and bottom drawn except (1, 1), which has neither, so (1, 2) has its
// bottom only: the only safe walls are around those two boxes.
Board FiveSafeWallsInTheCorner() {
    Board board;
    for (std::int16_t x = 1; x <= kColumns; ++x) {
        for (std::int16_t y = 1; y <= kRows; ++y) {
            if (y > 2 || x > 1) {
                DrawWall(board, {x, y, kTop});
            }
            if (y > 1 || x > 1) {
                DrawWall(board, {x, y, kBottom});
            }
        }
    }
    return board;
}

// What SafeWall draws on the corner of five safe walls from `seed`; the game is then set back to
// that corner and seed, for a level to play.
Board SafeWallDrawnInTheCorner(Game& game, Opponent& opponent, std::uint64_t seed) {
    game.LoadPosition(FiveSafeWallsInTheCorner(), kComputer);
    game.Random().Seed(seed);
    opponent.SafeWall();
    const Board drawn = game.Board();
    game.LoadPosition(FiveSafeWallsInTheCorner(), kComputer);
    game.Random().Seed(seed);
    return drawn;
}

// The safe wall is entry floor(r x count + 1) of the list, r from the game's source. A pick off
// by one or counted from the far end still gives nothing away and still favours shared walls,
// so only the exact entry shows it.
TEST_F(FindersTest, SafeWallDrawsTheListEntryTheDrawNames) {
    const Board board = FiveSafeWallsInTheCorner();
    const std::array<Wall, 5> safe{
        {{1, 1, kTop}, {1, 1, kBottom}, {1, 1, kLeft}, {1, 2, kTop}, {1, 2, kLeft}}};
    std::set<int> picked;
    for (std::uint64_t seed = 0; seed < 64; ++seed) {
        game.LoadPosition(board, kComputer);
        game.Random().Seed(seed);
        opponent.ListSafeWalls();
        ASSERT_EQ(opponent.SafeCount(), 5);
        for (int i = 0; i < 5; ++i) {
            ASSERT_EQ(opponent.SafeList()[i].AsWall(), safe[i]);
        }
        RandomSource draws = game.Random();
        const int pick = draws.Draw(5);
        picked.insert(pick);
        opponent.SafeWall();
        Board expected = board;
        DrawWall(expected, safe[pick - 1]);
        EXPECT_EQ(game.Board(), expected) << "seed " << seed << ", entry " << pick;
    }
    EXPECT_EQ(picked.size(), 5u);  // the seeds reach every entry, the first and last included
}

// Genius looks for a safe wall before it weighs losses: every safe wall loses nothing, and the
// least-loss search would always draw the first of them in scan order.
TEST_F(FindersTest, GeniusDrawsTheSafeWallTheDrawNamesBeforeWeighingLosses) {
    for (std::uint64_t seed = 0; seed < 16; ++seed) {
        const Board safe_wall = SafeWallDrawnInTheCorner(game, opponent, seed);
        opponent.ComputerMove(Level::Genius);
        EXPECT_EQ(game.Board(), safe_wall) << "seed " << seed;
    }
}

// Easy's wall, and the fallback of Medium and Hard: a column, a row, then a side (top, bottom,
// left, right) from the game's source, drawn again until that wall is free.
TEST_F(FindersTest, RandomWallDrawsColumnRowAndSideUntilTheWallIsFree) {
    constexpr std::array<std::int16_t, 4> kSides{kTop, kBottom, kLeft, kRight};
    int redrawn = 0;
    for (std::uint64_t seed = 0; seed < 300; ++seed) {
        Load(testing::kChainOfFive);
        game.Random().Seed(seed);
        RandomSource draws = game.Random();
        Wall expected{};
        for (int tries = 0;; ++tries) {
            expected = {static_cast<std::int16_t>(draws.Draw(kColumns)),
                        static_cast<std::int16_t>(draws.Draw(kRows)), kSides[draws.Draw(4) - 1]};
            if (game.IsWallFree(expected.x, expected.y, expected.side)) {
                redrawn += tries > 0 ? 1 : 0;
                break;
            }
        }
        const int walls_before = CountWalls(game.Board());
        opponent.RandomWall();
        EXPECT_FALSE(game.IsWallFree(expected.x, expected.y, expected.side)) << "seed " << seed;
        EXPECT_EQ(CountWalls(game.Board()), walls_before + 1) << "seed " << seed;
    }
    EXPECT_GT(redrawn, 0);
}

TEST_F(FindersTest, HardFallsBackToARandomWallWhenEveryWallGivesSomethingAway) {
    Load(testing::kThreeChainsInTheTopRow);
    opponent.ListSafeWalls();
    ASSERT_EQ(opponent.SafeCount(), 0);
    const int walls_before = CountWalls(game.Board());
    opponent.PlayHard();
    EXPECT_FALSE(opponent.MoveMade());
    EXPECT_EQ(CountWalls(game.Board()), walls_before + 1);
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
}

TEST_F(FindersTest, MediumAndHardEatAWholeChainThenDrawOneMoreWall) {
    for (Level level : {Level::Medium, Level::Hard}) {
        Load(testing::kChainOfFive);
        const int walls_before = CountWalls(game.Board());
        opponent.ComputerMove(level);
        EXPECT_EQ(game.ComputerBoxes(), 5);
        EXPECT_EQ(game.CurrentPlayer(), kHuman);
        EXPECT_EQ(CountWalls(game.Board()), walls_before + 5 + 1);
    }
}

TEST_F(FindersTest, MediumTakesTheBoxOnOfferThenDrawsAtRandom) {
    Load(R"(
. . . . . . . . . . .

. . . . . . . . . . .

. . . . . . .-. . . .
            | |
. . . . . . . . . . .
)");
    opponent.PlayMedium();
    EXPECT_TRUE(opponent.MoveMade());
    EXPECT_EQ(game.Board()(7, 3).Owner, kComputer);
    EXPECT_EQ(game.CurrentPlayer(), kComputer);
    opponent.PlayMedium();
    EXPECT_FALSE(opponent.MoveMade());
    EXPECT_EQ(CountWalls(game.Board()), 5);
}

TEST_F(FindersTest, ComputerMoveDoesNothingOnTheHumansTurnOrAfterTheGame) {
    for (Level level : kLevels) {
        Load(testing::kChainOfFive, kHuman);
        opponent.ComputerMove(level);
        EXPECT_EQ(game.Board(), ParseBoard(testing::kChainOfFive));
    }
    game.LoadPosition(testing::FullBoard(), kComputer);
    opponent.ComputerMove(Level::Easy);
    opponent.RandomWall();
    EXPECT_EQ(game.Board(), testing::FullBoard());
}

TEST_F(FindersTest, RandomMoveForPlayerDrawsASafeWallThenTheComputerAnswers) {
    Load(testing::kTwoBoxesOnOffer, kHuman);
    EXPECT_EQ(opponent.RandomMoveForPlayer(Level::Medium), RandomMoveResult::Played);
    // The human's safe wall never takes a box; the computer then takes both.
    EXPECT_EQ(game.HumanBoxes(), 0);
    EXPECT_EQ(game.ComputerBoxes(), 2);
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
}

TEST_F(FindersTest, RandomMoveForPlayerChangesNothingWhenNoWallIsSafeOrTheGameIsOver) {
    Load(testing::kThreeChainsInTheTopRow, kHuman);
    EXPECT_EQ(opponent.RandomMoveForPlayer(Level::Genius), RandomMoveResult::NoSafeWall);
    EXPECT_EQ(game.Board(), ParseBoard(testing::kThreeChainsInTheTopRow));
    EXPECT_EQ(game.CurrentPlayer(), kHuman);

    game.LoadPosition(testing::FullBoard(), kHuman);
    EXPECT_EQ(opponent.RandomMoveForPlayer(Level::Genius), RandomMoveResult::GameOver);
    EXPECT_EQ(game.Board(), testing::FullBoard());
}

// The wall drawn for the human by "Rnd" appears at once; every wall of the computer's answer
// blinks, the boxes it takes included.
TEST_F(FindersTest, EveryWallOfTheComputersAnswerBlinksButNotTheHumansRandomWall) {
    CountingView view;
    game.SetView(&view);
    Load(testing::kTwoBoxesOnOffer, kHuman);
    const int walls_before = CountWalls(game.Board());
    ASSERT_EQ(opponent.RandomMoveForPlayer(Level::Hard), RandomMoveResult::Played);
    ASSERT_EQ(game.ComputerBoxes(), 2);
    EXPECT_EQ(view.animated, CountWalls(game.Board()) - walls_before - 1);
}

// The computer's turn may end on a safe wall, the last one; "Rnd" must still find none left
// rather than report a wall it never drew.
TEST_F(FindersTest, RandomMoveForPlayerFindsNoSafeWallAfterTheComputerDrewTheLastOne) {
    Board board = FiveSafeWallsInTheCorner();
    DrawWall(board, {1, 1, kTop});
    DrawWall(board, {1, 1, kLeft});  // the left side of (1, 2) is now the only safe wall
    game.LoadPosition(board, kComputer);
    opponent.SafeWall();
    ASSERT_TRUE(opponent.MoveMade());
    ASSERT_EQ(game.CurrentPlayer(), kHuman);
    const Board after_computer = game.Board();
    EXPECT_EQ(opponent.RandomMoveForPlayer(Level::Hard), RandomMoveResult::NoSafeWall);
    EXPECT_EQ(game.Board(), after_computer);
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
}

// The first free wall of the column, row and side draws RandomWall makes from `draws`.
Wall FirstFreeRandomWall(const Game& game, RandomSource draws) {
    constexpr std::array<std::int16_t, 4> kSides{kTop, kBottom, kLeft, kRight};
    for (;;) {
        const Wall wall{static_cast<std::int16_t>(draws.Draw(kColumns)),
                        static_cast<std::int16_t>(draws.Draw(kRows)), kSides[draws.Draw(4) - 1]};
        if (game.IsWallFree(wall.x, wall.y, wall.side)) {
            return wall;
        }
    }
}

// Each level plays its own finders: Easy draws at random with boxes on offer, Medium at random
// where safe walls are left, Hard a safe wall, and Hard eats a whole chain where Genius hands
// its last two over.
TEST_F(FindersTest, EachLevelPlaysItsOwnFinders) {
    for (std::uint64_t seed = 0; seed < 20; ++seed) {
        for (const auto& [level, picture] :
             {std::pair{Level::Easy, testing::kTwoBoxesOnOffer}, std::pair{Level::Medium, ""}}) {
            Load(picture);
            game.Random().Seed(seed);
            const Wall expected = FirstFreeRandomWall(game, game.Random());
            const int walls_before = CountWalls(game.Board());
            opponent.PlayLevel(level);
            EXPECT_FALSE(game.IsWallFree(expected.x, expected.y, expected.side))
                << LevelName(level) << ", seed " << seed;
            EXPECT_EQ(CountWalls(game.Board()), walls_before + 1);
        }
    }

    for (std::uint64_t seed = 0; seed < 8; ++seed) {
        const Board safe_wall = SafeWallDrawnInTheCorner(game, opponent, seed);
        opponent.PlayLevel(Level::Hard);
        EXPECT_EQ(game.Board(), safe_wall) << "seed " << seed;
    }

    Load(testing::kChainOfFiveSixteenOwned);
    opponent.ComputerMove(Level::Hard);
    EXPECT_EQ(game.ComputerBoxes(), 8 + 5);
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
}

// The arena's command line and reports name the levels in lower case.
TEST(LevelTest, NamesAreLowerCaseAndReadBack) {
    EXPECT_EQ(LevelName(Level::Easy), "easy");
    EXPECT_EQ(LevelName(Level::Medium), "medium");
    EXPECT_EQ(LevelName(Level::Hard), "hard");
    EXPECT_EQ(LevelName(Level::Genius), "genius");
    for (Level level : kLevels) {
        EXPECT_EQ(LevelFromName(LevelName(level)), level);
    }
    EXPECT_EQ(LevelFromName("Genius"), std::nullopt);
    EXPECT_EQ(LevelFromName(""), std::nullopt);
}

}  // namespace
}  // namespace pennix
