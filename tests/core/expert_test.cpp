// The Expert level on worked positions: each shows why one of its rules is there.
#include "opponent/expert.h"

#include <gtest/gtest.h>

#include <string>

#include "board_picture.h"
#include "brute_force.h"
#include "game/game.h"
#include "opponent/chain_guess.h"
#include "opponent/chain_theory.h"
#include "opponent/computer_player.h"
#include "opponent/endgame_solver.h"
#include "opponent/finders.h"
#include "positions.h"

namespace pennix {
namespace {

using testing::ParseBoard;

// Rows 2 to 8 owned, 35 boxes each; the pictures below draw only the top row and its walls.
constexpr const char* kRowsTwoToEightOwned = R"(.-.-.-.-.-.-.-.-.-.-.
|H|C|H|C|H|C|H|C|H|C|
.-.-.-.-.-.-.-.-.-.-.
|H|C|H|C|H|C|H|C|H|C|
.-.-.-.-.-.-.-.-.-.-.
|H|C|H|C|H|C|H|C|H|C|
.-.-.-.-.-.-.-.-.-.-.
|H|C|H|C|H|C|H|C|H|C|
.-.-.-.-.-.-.-.-.-.-.
|H|C|H|C|H|C|H|C|H|C|
.-.-.-.-.-.-.-.-.-.-.
|H|C|H|C|H|C|H|C|H|C|
.-.-.-.-.-.-.-.-.-.-.
|H|C|H|C|H|C|H|C|H|C|
.-.-.-.-.-.-.-.-.-.-.
)";

Board TopRow(const std::string& dots, const std::string& boxes) {
    return ParseBoard(dots + "\n" + boxes + "\n" + kRowsTwoToEightOwned);
}

// A chain of four on offer at (1..4, 1), its first box with three sides, and a chain of six
// (5..10, 1) left to open.
Board ChainOfFourOpenedAndChainOfSix() {
    return TopRow(".-.-.-. . .-.-.-.-.-.", "|       |");
}

// The same chain of four with a single box, (10, 1), left besides.
Board ChainOfFourOpenedAndOneBox() {
    return TopRow(".-.-.-. .-.-.-.-.-. .", "|       |C|H|C|H|C|  ");
}

// A chain of two at (1..2, 1) and a chain of five at (3..7, 1); nothing on offer, no safe wall.
Board ChainsOfTwoAndFive() {
    return TopRow(".-. . .-.-.-. .-.-.-.", "    |         |C|H|C|");
}

// Rows 3 to 8 owned; a loop of six at (1..3, 1..2) opened between (1, 1) and (1, 2), and a
// chain of seven at (4..10, 1).
Board LoopOfSixOpenedAndChainOfSeven() {
    const std::string rows_three_to_eight =
        std::string(kRowsTwoToEightOwned).substr(2 * 22);  // drop row 2 and its top
    return ParseBoard(
        ".-.-.-. .-.-.-.-.-.-.\n"
        "|     |\n"
        ".-.-. .-.-.-.-.-.-.-.\n"
        "|     |C|H|C|H|C|H|C|\n" +
        rows_three_to_eight);
}

int BoxesOnOffer(const Board& board) {
    int offered = 0;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            offered += WallCount(board(x, y).Walls) == 3 ? 1 : 0;
        }
    }
    return offered;
}

TEST(ExpertTest, TakesAllButTwoOfAChainWhenControlIsWorthMore) {
    // Taking all four and opening the six nets 4 - 6; handing two back makes the human open the
    // six: 2 - 2 + 6.
    Game game;
    game.LoadPosition(ChainOfFourOpenedAndChainOfSix(), kComputer);
    EXPECT_EQ(EndgameSolver().Solve(game.Board()).value, 6);
    PlayComputerTurn(game, Level::Expert);
    EXPECT_EQ(game.ComputerBoxes(), 35 + 2);
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
    EXPECT_EQ(BoxesOnOffer(game.Board()), 2);
    EXPECT_EQ(SafeWalls(game).Count(), 0);
}

TEST(ExpertTest, TakesAllButFourOfAnOpenedLoop) {
    // Taking all six and opening the seven nets 6 - 7; handing four back: 2 - 4 + 7.
    Game game;
    game.LoadPosition(LoopOfSixOpenedAndChainOfSeven(), kComputer);
    EXPECT_EQ(EndgameSolver().Solve(game.Board()).value, 5);
    const int before = game.ComputerBoxes();
    PlayComputerTurn(game, Level::Expert);
    EXPECT_EQ(game.ComputerBoxes(), before + 2);
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
    EXPECT_EQ(BoxesOnOffer(game.Board()), 4);
}

TEST(ExpertTest, DeclinesToHandBackWhenTheRestIsWorthLess) {
    // Handing two back to keep a single box is 2 - 2 + 1; taking all four and giving the box
    // away is 4 - 1.
    Game game;
    game.LoadPosition(ChainOfFourOpenedAndOneBox(), kComputer);
    EXPECT_EQ(EndgameSolver().Solve(game.Board()).value, 3);
    const int before = game.ComputerBoxes();
    PlayComputerTurn(game, Level::Expert);
    EXPECT_EQ(game.ComputerBoxes(), before + 4);
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
    EXPECT_EQ(BoxesOnOffer(game.Board()), 1);
}

TEST(ExpertTest, OpensAChainOfTwoInItsMiddleSoThatItCannotBeHandedBack) {
    // Opened at an end, the human would hand both boxes back and make Expert open the five.
    Game game;
    game.LoadPosition(ChainsOfTwoAndFive(), kComputer);
    EXPECT_EQ(EndgameSolver().Solve(game.Board()).value, 3);
    RandomSource random;
    random.Seed(1);
    const auto wall = ChooseWall(Level::Expert, game, random);
    ASSERT_TRUE(wall);
    EXPECT_TRUE(*wall == MakeWall(1, 1, kRight) || *wall == MakeWall(2, 1, kLeft));
}

TEST(ExpertTest, AgreesWithBruteForceOnTheWorkedPositions) {
    for (const Board& board : {ChainOfFourOpenedAndChainOfSix(), ChainOfFourOpenedAndOneBox(),
                               ChainsOfTwoAndFive(), LoopOfSixOpenedAndChainOfSeven()}) {
        reference::BruteForce brute(board);
        EXPECT_EQ(EndgameSolver().Solve(board).value, brute.Value()) << testing::DrawBoard(board);
    }
}

TEST(ExpertTest, ChainTheoryChargesTwoPerChainAndFourPerLoopForControl) {
    ChainTheory theory;
    EXPECT_EQ(theory.Value({}), 0);
    EXPECT_EQ(theory.Value({{3}, {}}), -3);
    // The second three is worth handing one back for: 3 - 4 + 3 to the player in control.
    EXPECT_EQ(theory.Value({{3, 3}, {}}), -2);
    // Open the loop first: keeping control of it would cost the other player four.
    EXPECT_EQ(theory.Value({{3}, {4}}), -1);
    // Twos and ones are opened so that they cannot be handed back.
    EXPECT_EQ(theory.Value({{1, 2, 2}, {}}), -1);
}

TEST(ExpertTest, DecomposesASimplePositionIntoChainsAndLoops) {
    const SolverBoard board(LoopOfSixOpenedAndChainOfSeven());
    EXPECT_FALSE(IsSimple(board));  // the loop's two opened boxes have three sides
    const SolverBoard closed_loop(ChainsOfTwoAndFive());
    EXPECT_TRUE(IsSimple(closed_loop));
    const SimpleComponents components = Decompose(closed_loop);
    EXPECT_EQ(components.chains, (std::vector<std::uint8_t>{2, 5}));
    EXPECT_TRUE(components.loops.empty());
}

// Everything owned but three arms meeting at (5, 1): (1..4, 1) from the left border, (6..10, 1)
// from the right border and (5, 2..8) from the bottom border.
Board ThreeArmsMeetingInTheTopRow() {
    Board board = testing::FullBoard();
    const auto open = [&board](int x, int y, std::int16_t side) {
        const Wall wall = MakeWall(x, y, side);
        board(x, y).Walls &= static_cast<std::int16_t>(~side);
        board(x, y).Owner = kNobody;
        Wall across;
        if (NeighbourOf(wall, across)) {
            board(across.x, across.y).Walls &= static_cast<std::int16_t>(~across.side);
            board(across.x, across.y).Owner = kNobody;
        }
    };
    for (int x = 1; x <= kColumns; ++x) {
        open(x, 1, kLeft);
    }
    open(kColumns, 1, kRight);
    for (int y = 1; y <= kRows; ++y) {
        open(5, y, kBottom);
    }
    return board;
}

TEST(ExpertTest, GuessesThatAJunctionJoinsItsTwoLongestArms) {
    const SolverBoard board(ThreeArmsMeetingInTheTopRow());
    EXPECT_FALSE(IsSimple(board));
    // Once the four is eaten, (5, 1) joins the five and the seven into one chain.
    const SimpleComponents guess = ApproximateComponents(board);
    EXPECT_EQ(guess.chains, (std::vector<std::uint8_t>{4, 13}));
    EXPECT_TRUE(guess.loops.empty());
    // A simple position is guessed as it is.
    const SolverBoard simple(ChainsOfTwoAndFive());
    EXPECT_EQ(ApproximateComponents(simple).chains, Decompose(simple).chains);
}

// A chain of two at (1..2, 8) along the bottom border, and (3, 8) with its bottom drawn: a wall
// that gives (3, 8) a second side makes the chain long. The rest of the board is empty.
constexpr const char* kChainOfTwoThatOneWallMakesLong = R"(
. . . . . . . . . . .

. . . . . . . . . . .

. . . . . . . . . . .

. . . . . . . . . . .

. . . . . . . . . . .

. . . . . . . . . . .

. . . . . . . . . . .

.-.-. . . . . . . . .

.-.-.-. . . . . . . .
)";

TEST(ExpertTest, SteersTheLongChainsToItsParityWithASafeWall) {
    // With 99 dots the first player (the human's side) wants an odd number of long chains.
    EXPECT_TRUE(WantsOddLongChains(kHuman));
    EXPECT_FALSE(WantsOddLongChains(kComputer));
    const Board board = ParseBoard(kChainOfTwoThatOneWallMakesLong);
    EXPECT_EQ(CountLongChains(board), 0);
    Game game;
    for (std::uint64_t seed = 0; seed < 20; ++seed) {
        for (const char player : {kHuman, kComputer}) {
            game.LoadPosition(board, player);
            RandomSource random;
            random.Seed(seed);
            const auto wall = ChooseWall(Level::Expert, game, random);
            ASSERT_TRUE(wall);
            Board after = board;
            DrawWall(after, *wall);
            EXPECT_EQ(CountLongChains(after), player == kHuman ? 1 : 0) << "seed " << seed;
            EXPECT_FALSE(IsUnsafeWall(board, *wall));
        }
    }
}

// Rows 2 to 8 owned; a chain of six at (5..10, 1), and (1..4, 1) with their bottoms, the left
// border and the wall between (4, 1) and (5, 1) drawn: four safe walls left, and which of them
// is drawn decides who must open the six.
Board SafeWallsBesideAChainOfSix() {
    return TopRow(". . . . . .-.-.-.-.-.", "|       |");
}

TEST(ExpertTest, TheLastSafeWallsDecideWhoOpensTheLongChain) {
    const Board board = SafeWallsBesideAChainOfSix();
    reference::BruteForce brute(board);
    Game game;
    game.LoadPosition(board, kComputer);
    const int best = brute.Value();
    EXPECT_EQ(best, 6);
    // A safe wall chosen at random, as Hard draws one, can throw control away.
    int worst_safe = best;
    const SafeWalls safe_walls(game);
    for (const WallCandidate& safe : safe_walls.List()) {
        worst_safe = std::min(worst_safe, brute.WallValue(board, safe.AsWall()));
    }
    EXPECT_EQ(worst_safe, -6);
    RandomSource random;
    random.Seed(3);
    const auto wall = ChooseWall(Level::Expert, game, random);
    ASSERT_TRUE(wall);
    EXPECT_EQ(brute.WallValue(board, *wall), best);
}

TEST(ExpertTest, DrawsNothingOnceTheGameIsOverAndReplaysASeededGame) {
    Game game;
    game.LoadPosition(testing::FullBoard(), kComputer);
    RandomSource random;
    EXPECT_EQ(ChooseWall(Level::Expert, game, random), std::nullopt);
    EXPECT_EQ(EndgameSolver().Solve(testing::FullBoard()).value, 0);

    const auto play = [](std::uint64_t seed) {
        Game played;
        played.Random().Seed(seed);
        std::vector<Wall> walls;
        while (!played.GameOver()) {
            const Level level = played.CurrentPlayer() == kHuman ? Level::Hard : Level::Expert;
            walls.push_back(*ChooseWall(level, played, played.Random()));
            played.PlaceWall(walls.back());
        }
        return walls;
    };
    EXPECT_EQ(play(11), play(11));
}

TEST(ExpertTest, ABudgetCutsTheSearchShort) {
    // Two positions visited cannot solve a chain of six beside four walls to choose from; the
    // search stops at the first position past its budget.
    const SolveResult cut = EndgameSolver(2).Solve(SafeWallsBesideAChainOfSix());
    EXPECT_FALSE(cut.complete);
    EXPECT_LT(cut.nodes, 30);
    EXPECT_GT(EndgameSolver().Solve(SafeWallsBesideAChainOfSix()).nodes, 30);
}

}  // namespace
}  // namespace pennix
