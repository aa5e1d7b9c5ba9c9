// The computer's simple finders and levels: taking order, safe walls, fallbacks, whole turns.
#include "opponent/finders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

#include "board_picture.h"
#include "game/game.h"
#include "opponent/computer_player.h"
#include "opponent/level.h"
#include "positions.h"

namespace pennix {
namespace {

using testing::CountWalls;
using testing::DrawBoard;
using testing::ParseBoard;

// (7, 3) lacks only its bottom.
constexpr const char* kOneBoxOnOffer = R"(
. . . . . . . . . . .

. . . . . . . . . . .

. . . . . . .-. . . .
            | |
. . . . . . . . . . .
)";

class FindersTest : public ::testing::Test {
  protected:
    void Load(const Board& board, char player = kComputer, std::uint64_t seed = 7) {
        game.LoadPosition(board, player);
        game.Random().Seed(seed);
    }
    void Load(const char* picture, char player = kComputer) { Load(ParseBoard(picture), player); }

    Game game;
};

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

// A column, a row, then a side (top, bottom, left, right).
Wall DrawTriple(RandomSource& draws) {
    constexpr std::array<std::int16_t, 4> kSides{kTop, kBottom, kLeft, kRight};
    const auto x = static_cast<std::int16_t>(draws.Draw(kColumns));
    const auto y = static_cast<std::int16_t>(draws.Draw(kRows));
    return {x, y, kSides[draws.Draw(4) - 1]};
}

// The random wall: triples drawn from `draws` until one is free.
Wall FirstFreeRandomWall(const Game& game, RandomSource draws) {
    for (;;) {
        const Wall wall = DrawTriple(draws);
        if (game.IsWallFree(wall)) {
            return wall;
        }
    }
}

// The safe wall: entry floor(r x count + 1) of the list, r drawn from `draws`.
Wall SafeWallTheDrawNames(const Game& game, RandomSource draws) {
    const SafeWalls safe(game);
    return safe.List()[draws.Draw(safe.Count()) - 1].AsWall();
}

TEST_F(FindersTest, FindBoxToTakeNamesTheFreeSideOfTheFirstBoxColumnByColumn) {
    const std::pair<Board, std::optional<Wall>> cases[] = {
        {ParseBoard(testing::kTwoBoxesOnOffer), Wall{1, 8, kRight}},
        {ParseBoard(R"(
. . . . . . . . . . .

. . . . .-.-. . . . .
        |   |
. . . . .-.-. . . . .
)"),
         Wall{5, 2, kRight}},  // the wall closes (6, 2) as well
        {ParseBoard(testing::kThreeChainsInTheTopRow), std::nullopt},
        {testing::FullBoard(), std::nullopt},
    };
    for (const auto& [board, expected] : cases) {
        Load(board);
        EXPECT_EQ(FindBoxToTake(game), expected) << DrawBoard(board);
    }
}

TEST_F(FindersTest, UnsafeWallsLeaveThreeSidesOnEitherBox) {
    Load(R"(
.-. . . . .-. . . . .
          | |
. .-. . . . . . . . .
)");
    const auto unsafe = [this](int x, int y, int side) {
        return IsUnsafeWall(game.Board(), MakeWall(x, y, side));
    };
    EXPECT_FALSE(unsafe(1, 1, kLeft));    // (1, 1) gets its second side
    EXPECT_FALSE(unsafe(2, 1, kLeft));    // shared: (1, 1) and (2, 1) get two
    EXPECT_FALSE(unsafe(2, 2, kBottom));  // (2, 2) and (2, 3) get one each
    EXPECT_TRUE(unsafe(6, 1, kBottom));   // (6, 1) would have four sides
    EXPECT_TRUE(unsafe(6, 2, kTop));      // the same wall from below
    EXPECT_FALSE(unsafe(7, 1, kTop));     // row 1: nothing above to look at
    game.PlaceWall({1, 1, kLeft});
    EXPECT_TRUE(unsafe(1, 1, kBottom));  // (1, 1) would have three sides
    EXPECT_TRUE(unsafe(1, 2, kTop));     // seen from the box below
    EXPECT_TRUE(unsafe(2, 1, kLeft));    // seen from the box to the right
    EXPECT_FALSE(unsafe(2, 1, kTop));    // (2, 1) gets its second side
}

TEST_F(FindersTest, SafeListHoldsSharedWallsTwiceInScanOrder) {
    Load("");
    const SafeWalls empty(game);
    ASSERT_EQ(empty.Count(), kScanLength);  // every wall of an empty board is safe
    for (int i = 0; i < kScanLength; ++i) {
        EXPECT_EQ(empty.List()[i].AsWall(), kScanOrder[i]);
    }

    Load(testing::kChainOfFive);
    const SafeWalls safe(game);
    std::set<std::tuple<int, int, int>> listed;
    for (const WallCandidate& c : safe.List()) {
        listed.insert({c.X, c.Y, c.Side});
        EXPECT_FALSE(c.Y == 8 && c.X >= 6) << "a wall of the chain at " << c.X;
    }
    EXPECT_EQ(listed.size(), static_cast<std::size_t>(safe.Count()));
    EXPECT_TRUE(listed.contains({5, 8, kTop}));
    EXPECT_FALSE(listed.contains({5, 8, kRight}));  // the chain's far end
    EXPECT_TRUE(listed.contains({6, 7, kTop}));     // the box above has one side only
    EXPECT_TRUE(listed.contains({3, 4, kRight}) && listed.contains({4, 4, kLeft}));
}

TEST_F(FindersTest, SafeWallGivesNothingAway) {
    for (std::uint64_t seed = 0; seed < 50; ++seed) {
        Load(ParseBoard(testing::kChainOfFive), kComputer, seed);
        const auto wall = DrawSafeWall(game, game.Random());
        ASSERT_TRUE(wall.has_value());
        ASSERT_TRUE(game.IsWallFree(*wall));
        game.PlaceWall(*wall);
        EXPECT_EQ(FindBoxToTake(game), (Wall{10, 8, kLeft})) << DrawBoard(game.Board());
    }
}

TEST_F(FindersTest, SafeWallPicksSharedWallsTwiceAsOftenAsBorderWalls) {
    int border = 0;
    int shared = 0;
    for (std::uint64_t seed = 0; seed < 4000; ++seed) {
        game.NewGame();
        game.Random().Seed(seed);
        game.PlaceWall({1, 1, kTop});
        const Wall wall = *DrawSafeWall(game, game.Random());
        const bool on_border =
            (wall.side == kTop && wall.y == 1) || (wall.side == kBottom && wall.y == kRows) ||
            (wall.side == kLeft && wall.x == 1) || (wall.side == kRight && wall.x == kColumns);
        (on_border ? border : shared) += 1;
    }
    // 142 shared walls listed twice against 35 free border walls.
    EXPECT_NEAR(static_cast<double>(shared) / (shared + border), 284.0 / 319.0, 0.02);
}

// A pick off by one or counted from the far end still gives nothing away and still favours
// shared walls, so only the exact entry shows it.
TEST_F(FindersTest, SafeWallDrawsTheListEntryTheDrawNames) {
    const std::array<Wall, 5> safe{
        {{1, 1, kTop}, {1, 1, kBottom}, {1, 1, kLeft}, {1, 2, kTop}, {1, 2, kLeft}}};
    std::set<int> picked;
    for (std::uint64_t seed = 0; seed < 64; ++seed) {
        Load(FiveSafeWallsInTheCorner(), kComputer, seed);
        const SafeWalls listed(game);
        ASSERT_EQ(listed.Count(), 5);
        for (int i = 0; i < 5; ++i) {
            ASSERT_EQ(listed.List()[i].AsWall(), safe[i]);
        }
        RandomSource draws = game.Random();
        const int pick = draws.Draw(5);
        picked.insert(pick);
        EXPECT_EQ(DrawSafeWall(game, game.Random()), safe[pick - 1]) << "seed " << seed;
    }
    EXPECT_EQ(picked.size(), 5u);  // the seeds reach every entry, the first and last included
}

TEST_F(FindersTest, RandomWallDrawsColumnRowAndSideUntilTheWallIsFree) {
    int redrawn = 0;
    for (std::uint64_t seed = 0; seed < 300; ++seed) {
        Load(ParseBoard(testing::kChainOfFive), kComputer, seed);
        RandomSource first = game.Random();
        redrawn += game.IsWallFree(DrawTriple(first)) ? 0 : 1;
        const Wall expected = FirstFreeRandomWall(game, game.Random());
        EXPECT_EQ(DrawRandomWall(game, game.Random()), expected) << "seed " << seed;
    }
    EXPECT_GT(redrawn, 0);
}

// Each level plays its own finders, in its own order. Easy draws at random with boxes on offer,
// Medium at random where safe walls are left but takes a box first, Hard takes, then draws safe,
// then at random; Genius draws a safe wall before it weighs losses (the least-loss search would
// always draw the first safe wall in scan order).
TEST_F(FindersTest, EachLevelPlaysItsOwnFinders) {
    using Expect = Wall (*)(const Game&, RandomSource);
    struct Case {
        Level level;
        Board board;
        Expect drawn;
        Wall fixed{};
    };
    const Case cases[] = {
        {Level::Easy, ParseBoard(testing::kTwoBoxesOnOffer), FirstFreeRandomWall},
        {Level::Medium, Board{}, FirstFreeRandomWall},
        {Level::Medium, ParseBoard(kOneBoxOnOffer), nullptr, {7, 3, kBottom}},
        {Level::Hard, ParseBoard(testing::kTwoBoxesOnOffer), nullptr, {1, 8, kRight}},
        {Level::Hard, FiveSafeWallsInTheCorner(), SafeWallTheDrawNames},
        {Level::Hard, ParseBoard(testing::kThreeChainsInTheTopRow), FirstFreeRandomWall},
        {Level::Genius, FiveSafeWallsInTheCorner(), SafeWallTheDrawNames},
    };
    for (const Case& c : cases) {
        for (std::uint64_t seed = 0; seed < 8; ++seed) {
            Load(c.board, kComputer, seed);
            const Wall expected = c.drawn != nullptr ? c.drawn(game, game.Random()) : c.fixed;
            EXPECT_EQ(ChooseWall(c.level, game, game.Random()), expected)
                << LevelName(c.level) << ", seed " << seed << "\n"
                << DrawBoard(c.board);
        }
    }
}

TEST_F(FindersTest, NoLevelChoosesAWallOnceTheGameIsOver) {
    Load(testing::FullBoard());
    for (Level level : kLevels) {
        EXPECT_EQ(ChooseWall(level, game, game.Random()), std::nullopt) << LevelName(level);
    }
    EXPECT_EQ(DrawRandomWall(game, game.Random()), std::nullopt);
    EXPECT_EQ(DrawSafeWall(game, game.Random()), std::nullopt);
}

// The window blinks each wall the turn returns, the boxes taken included, and the arena counts
// them: the list must be the turn, wall for wall, ending where the turn passes or the game ends.
TEST_F(FindersTest, PlayComputerTurnReturnsTheWallsItPlayedInOrder) {
    const std::vector<Wall> chain{
        {10, 8, kLeft}, {9, 8, kLeft}, {8, 8, kLeft}, {7, 8, kLeft}, {6, 8, kLeft}};
    struct Case {
        Level level;
        const char* picture;
        int boxes;
    };
    // Hard eats a whole chain even where Genius would hand its last two over.
    for (const Case& c : {Case{Level::Medium, testing::kChainOfFive, 5},
                          Case{Level::Hard, testing::kChainOfFive, 5},
                          Case{Level::Hard, testing::kChainOfFiveSixteenOwned, 8 + 5}}) {
        Load(c.picture);
        const std::vector<Wall> walls = PlayComputerTurn(game, c.level);
        ASSERT_EQ(walls.size(), chain.size() + 1) << LevelName(c.level);
        EXPECT_TRUE(std::equal(chain.begin(), chain.end(), walls.begin()));
        EXPECT_EQ(game.ComputerBoxes(), c.boxes);
        EXPECT_EQ(game.CurrentPlayer(), kHuman);
        Game replay;
        replay.LoadPosition(ParseBoard(c.picture), kComputer);
        for (const Wall& wall : walls) {
            replay.PlaceWall(wall);
        }
        EXPECT_EQ(replay.Board(), game.Board()) << LevelName(c.level);
    }

    for (Level level : kLevels) {
        Load(testing::AllButOneBox(30));
        EXPECT_EQ(PlayComputerTurn(game, level), (std::vector<Wall>{{10, 8, kRight}}));
        EXPECT_TRUE(game.GameOver());
        Load(testing::kChainOfFive, kHuman);
        EXPECT_TRUE(PlayComputerTurn(game, level).empty()) << LevelName(level);
        EXPECT_EQ(game.Board(), ParseBoard(testing::kChainOfFive));
    }
}

TEST_F(FindersTest, HelpWallIsASafeWallForTheHumanAndNothingWhenNoneIsLeft) {
    Load(testing::kTwoBoxesOnOffer, kHuman);
    const Wall expected = SafeWallTheDrawNames(game, game.Random());
    EXPECT_EQ(ChooseHelpWall(game), expected);

    Load(testing::kThreeChainsInTheTopRow, kHuman);
    EXPECT_EQ(ChooseHelpWall(game), std::nullopt);
    Load(testing::FullBoard(), kHuman);
    EXPECT_EQ(ChooseHelpWall(game), std::nullopt);

    // The computer's turn may end on the last safe wall; "Rnd" must then find none left.
    Board board = FiveSafeWallsInTheCorner();
    DrawWall(board, {1, 1, kTop});
    DrawWall(board, {1, 1, kLeft});  // the left side of (1, 2) is now the only safe wall
    Load(board);
    ASSERT_EQ(PlayComputerTurn(game, Level::Hard), (std::vector<Wall>{{1, 2, kLeft}}));
    EXPECT_EQ(ChooseHelpWall(game), std::nullopt);
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
