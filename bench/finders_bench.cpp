// Google Benchmark of the computer's move finders on late-game positions.
#include <benchmark/benchmark.h>

#include <vector>

#include "game/game.h"
#include "opponent/computer_player.h"
#include "opponent/finders.h"
#include "opponent/look_ahead.h"
#include "reference_finders.h"

namespace pennix {
namespace {

// The first position of each seeded game, played at `level`, where `wanted` holds.
template <typename Wanted>
std::vector<Board> PositionsWhere(Level level, int count, Wanted wanted) {
    std::vector<Board> positions;
    Game game;
    for (std::uint64_t seed = 1; static_cast<int>(positions.size()) < count; ++seed) {
        game.NewGame();
        game.Random().Seed(seed);
        while (!game.GameOver()) {
            game.PlaceWall(*ChooseWall(level, game, game.Random()));
            if (wanted(game)) {
                positions.push_back(game.Board());
                break;
            }
        }
    }
    return positions;
}

// Late in Genius games, with a box on offer: where the hand-over search does its most work.
std::vector<Board> LatePositions(int owned, int count) {
    return PositionsWhere(Level::Genius, count, [owned](const Game& game) {
        return game.HumanBoxes() + game.ComputerBoxes() >= owned && FindBoxToTake(game).has_value();
    });
}

// No wall is safe and nothing is on offer: the last resort has to weigh every wall.
std::vector<Board> PositionsWithoutSafeWalls(int count) {
    return PositionsWhere(Level::Hard, count, [](const Game& game) {
        return SafeWalls(game).Count() == 0 && !FindBoxToTake(game).has_value();
    });
}

// Columns 1 and 2 owned, the other 64 boxes one chain winding column by column, opened at (3, 1)
// and open at its far end (10, 1). Eating it takes 64 passes, and on each the hand-over search
// plays out the reply to all that is left: the costliest turn we could build.
Board WindingChainOpened() {
    Board board;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            board(x, y) = {kClosed, x <= 2 ? ((x + y) % 2 == 0 ? kHuman : kComputer) : kNobody};
        }
    }
    const auto open = [&board](int x, int y, int side) {
        const Wall wall = MakeWall(x, y, side);
        board(x, y).Walls &= static_cast<std::int16_t>(~side);
        Wall neighbour;
        if (NeighbourOf(wall, neighbour)) {
            board(neighbour.x, neighbour.y).Walls &= static_cast<std::int16_t>(~neighbour.side);
        }
    };
    for (int x = 3; x <= kColumns; ++x) {
        for (int y = 1; y < kRows; ++y) {
            open(x, y, kBottom);
        }
        if (x < kColumns) {
            open(x, x % 2 == 1 ? kRows : 1, kRight);
        }
    }
    open(kColumns, 1, kTop);
    return board;
}

template <typename Find>
void RunOver(benchmark::State& state, const std::vector<Board>& positions, Find find) {
    Game game;
    LookAhead look;
    std::size_t i = 0;
    for (auto _ : state) {
        game.LoadPosition(positions[i++ % positions.size()], kComputer);
        find(game, look);
    }
}

// Each finder is measured twice in one run: the production one and the plain reference.
void BM_SafeWall(benchmark::State& state) {
    static const auto positions = LatePositions(20, 64);
    RunOver(state, positions,
            [](Game& game, LookAhead&) { benchmark::DoNotOptimize(SafeWalls(game).Count()); });
}

void BM_SafeWall_Reference(benchmark::State& state) {
    static const auto positions = LatePositions(20, 64);
    RunOver(state, positions,
            [](Game& game, LookAhead&) { benchmark::DoNotOptimize(reference::SafeList(game)); });
}

void BM_LeaveTwoBoxes(benchmark::State& state) {
    static const auto positions = LatePositions(30, 64);
    RunOver(state, positions, [](Game& game, LookAhead& look) {
        benchmark::DoNotOptimize(look.FindLeaveTwoBoxes(game));
    });
}

void BM_LeaveTwoBoxes_Reference(benchmark::State& state) {
    static const auto positions = LatePositions(30, 64);
    RunOver(state, positions, [](Game& game, LookAhead&) {
        benchmark::DoNotOptimize(reference::LeaveTwoBoxes(game));
    });
}

void BM_LeastLossWall(benchmark::State& state) {
    static const auto positions = PositionsWithoutSafeWalls(64);
    RunOver(state, positions, [](Game& game, LookAhead& look) {
        benchmark::DoNotOptimize(look.FindLeastLossWall(game));
    });
}

void BM_LeastLossWall_Reference(benchmark::State& state) {
    static const auto positions = PositionsWithoutSafeWalls(64);
    RunOver(state, positions, [](Game& game, LookAhead&) {
        benchmark::DoNotOptimize(reference::LeastLossWall(game));
    });
}

void BM_GeniusTurnThroughTheLongestChain(benchmark::State& state) {
    const Board board = WindingChainOpened();
    Game game;
    for (auto _ : state) {
        game.LoadPosition(board, kComputer);
        PlayComputerTurn(game, Level::Genius);
        benchmark::DoNotOptimize(game.ComputerBoxes());
    }
}

BENCHMARK(BM_SafeWall)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SafeWall_Reference)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LeaveTwoBoxes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LeaveTwoBoxes_Reference)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LeastLossWall)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LeastLossWall_Reference)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GeniusTurnThroughTheLongestChain)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pennix

BENCHMARK_MAIN();
