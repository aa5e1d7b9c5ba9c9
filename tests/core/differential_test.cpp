// The production finders against the plain reference ones, on positions from seeded games at
// every level pairing: the same walls, in the same order, with the same gains.
#include <gtest/gtest.h>

#include <vector>

#include "board_picture.h"
#include "game/game.h"
#include "opponent/opponent.h"
#include "positions.h"
#include "reference_finders.h"

#ifndef PENNIX_DIFFERENTIAL_POSITIONS
#define PENNIX_DIFFERENTIAL_POSITIONS 100000
#endif

namespace pennix {
namespace {

void ExpectSameFinds(const Game& game, Opponent& opponent, LookAhead& look) {
    ASSERT_EQ(opponent.FindBoxToTake(), reference::TakeBox(game));
    opponent.ListSafeWalls();
    const auto safe = opponent.SafeList();
    ASSERT_EQ(std::vector<WallCandidate>(safe.begin(), safe.end()), reference::SafeList(game));
    ASSERT_EQ(look.FindLeaveTwoBoxes(game), reference::LeaveTwoBoxes(game));
    ASSERT_EQ(look.FindLeastLossWall(game), reference::LeastLossWall(game));
}

TEST(DifferentialTest, ProductionFindersAgreeWithTheReference) {
    Game game;
    Opponent opponent(game);
    LookAhead look;
    int positions = 0;
    for (std::uint64_t seed = 1; positions < PENNIX_DIFFERENTIAL_POSITIONS; ++seed) {
        const Level first = kLevels[seed % 4];
        const Level second = kLevels[(seed / 4) % 4];
        game.NewGame();
        game.Random().Seed(seed);
        while (!game.GameOver()) {
            ASSERT_NO_FATAL_FAILURE(ExpectSameFinds(game, opponent, look))
                << "seed " << seed << "\n"
                << testing::DrawBoard(game.Board());
            ++positions;
            opponent.PlayLevel(game.CurrentPlayer() == kHuman ? first : second);
        }
    }
}

TEST(DifferentialTest, ProductionFindersAgreeOnTheWorkedPositions) {
    const char* pictures[] = {testing::kChainOfFive, testing::kChainOfFiveSixteenOwned,
                              testing::kChainOfFiveFifteenOwned, testing::kTwoBoxesOnOffer,
                              testing::kThreeChainsInTheTopRow};
    std::vector<Board> boards = {Board{}, testing::FullBoard()};
    for (const char* picture : pictures) {
        boards.push_back(testing::ParseBoard(picture));
    }
    Game game;
    Opponent opponent(game);
    LookAhead look;
    for (const Board& board : boards) {
        for (char player : {kHuman, kComputer}) {
            game.LoadPosition(board, player);
            ASSERT_NO_FATAL_FAILURE(ExpectSameFinds(game, opponent, look))
                << testing::DrawBoard(board);
        }
    }
}

}  // namespace
}  // namespace pennix
