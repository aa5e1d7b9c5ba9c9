// The production finders against the plain reference ones, on positions from seeded games at
// every level pairing: the same walls, in the same order, with the same gains.
#include <gtest/gtest.h>

#include <vector>

#include "board_picture.h"
#include "game/game.h"
#include "opponent/computer_player.h"
#include "opponent/finders.h"
#include "opponent/look_ahead.h"
#include "positions.h"
#include "reference_finders.h"

#ifndef PENNIX_DIFFERENTIAL_POSITIONS
#define PENNIX_DIFFERENTIAL_POSITIONS 100000
#endif

namespace pennix {
namespace {

void ExpectSameFinds(const Game& game, LookAhead& look) {
    ASSERT_EQ(FindBoxToTake(game), reference::TakeBox(game));
    const SafeWalls safe_walls(game);
    const auto safe = safe_walls.List();
    ASSERT_EQ(std::vector<WallCandidate>(safe.begin(), safe.end()), reference::SafeList(game));
    ASSERT_EQ(look.FindLeaveTwoBoxes(game), reference::LeaveTwoBoxes(game));
    ASSERT_EQ(look.FindLeastLossWall(game), reference::LeastLossWall(game));
}

TEST(DifferentialTest, ProductionFindersAgreeWithTheReference) {
    Game game;
    LookAhead look;
    int positions = 0;
    for (std::uint64_t seed = 1; positions < PENNIX_DIFFERENTIAL_POSITIONS; ++seed) {
        const Level first = kLevels[seed % 4];
        const Level second = kLevels[(seed / 4) % 4];
        game.NewGame();
        game.Random().Seed(seed);
        while (!game.GameOver()) {
            ASSERT_NO_FATAL_FAILURE(ExpectSameFinds(game, look))
                << "seed " << seed << "\n"
                << testing::DrawBoard(game.Board());
            ++positions;
            const Level level = game.CurrentPlayer() == kHuman ? first : second;
            game.PlaceWall(*ChooseWall(level, game, game.Random()));
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
    LookAhead look;
    for (const Board& board : boards) {
        for (char player : {kHuman, kComputer}) {
            game.LoadPosition(board, player);
            ASSERT_NO_FATAL_FAILURE(ExpectSameFinds(game, look)) << testing::DrawBoard(board);
        }
    }
}

}  // namespace
}  // namespace pennix
