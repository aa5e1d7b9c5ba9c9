// The Expert search against brute force on late positions of seeded games: the same value, and
// Expert's wall achieves it.
#include <gtest/gtest.h>

#include <memory>

#include "board_picture.h"
#include "brute_force.h"
#include "game/game.h"
#include "opponent/computer_player.h"
#include "opponent/endgame_solver.h"
#include "positions.h"

#ifndef PENNIX_EXPERT_DIFFERENTIAL_POSITIONS
#define PENNIX_EXPERT_DIFFERENTIAL_POSITIONS 10000
#endif

namespace pennix {
namespace {

// Most games are checked from 12 to 16 free walls on, a few from 17 to 20: brute force costs
// 2^free, and every later position of a game reuses the table of its first.
int FreeWallsToStartAt(std::uint64_t seed) {
    constexpr int kMostlyFrom[] = {12, 13, 14, 15, 16, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    return kMostlyFrom[seed % std::size(kMostlyFrom)];
}

void ExpectExpertIsExact(const Game& game, reference::BruteForce& brute, RandomSource& random) {
    const int value = brute.ValueOf(game.Board());
    const SolveResult solved = EndgameSolver().Solve(game.Board());
    ASSERT_TRUE(solved.complete);
    ASSERT_EQ(solved.value, value);
    const auto wall = ChooseWall(Level::Expert, game, random);
    ASSERT_TRUE(wall.has_value());
    ASSERT_TRUE(game.IsWallFree(*wall));
    ASSERT_EQ(brute.WallValue(game.Board(), *wall), value);
}

TEST(ExpertDifferentialTest, ValueAndWallAgreeWithBruteForce) {
    Game game;
    RandomSource expert_random;
    int positions = 0;
    for (std::uint64_t seed = 1; positions < PENNIX_EXPERT_DIFFERENTIAL_POSITIONS; ++seed) {
        // Easy and Medium leave boxes on offer and odd shapes; Hard and Genius chains and loops;
        // every eighth game has Expert meet the positions it makes itself.
        const Level first = kLevels[seed % 4];
        const Level second = seed % 8 == 0 ? Level::Expert : kLevels[(seed / 4) % 4];
        game.NewGame();
        game.Random().Seed(seed);
        expert_random.Seed(seed);
        std::unique_ptr<reference::BruteForce> brute;
        while (!game.GameOver()) {
            if (!brute &&
                kWallCount - testing::CountWalls(game.Board()) <= FreeWallsToStartAt(seed)) {
                brute = std::make_unique<reference::BruteForce>(game.Board());
            }
            if (brute) {
                ASSERT_NO_FATAL_FAILURE(ExpectExpertIsExact(game, *brute, expert_random))
                    << "seed " << seed << ", " << game.CurrentPlayer() << " to move\n"
                    << testing::DrawBoard(game.Board());
                ++positions;
            }
            const Level level = game.CurrentPlayer() == kHuman ? first : second;
            game.PlaceWall(*ChooseWall(level, game, game.Random()));
        }
    }
}

}  // namespace
}  // namespace pennix
