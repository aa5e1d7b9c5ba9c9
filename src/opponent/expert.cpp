// The Expert level.
//
// Once no safe wall is left, or few walls at all, the search solves the position exactly. While
// many safe walls are left, whoever is forced to open the first long chain usually loses the
// game, and the long-chain rule says who that will be; Expert steers the count of long chains
// towards its parity, and once few safe walls are left a search weighs every order in which they
// can run out, valuing each endgame it reaches by the chains and loops it will come to.
#include "expert.h"

#include <vector>

#include "endgame_solver.h"
#include "finders.h"
#include "look_ahead.h"
#include "solver_board.h"

namespace pennix {

namespace {

constexpr int kLongChain = 3;
constexpr int kEstimateTableBits = 15;

// Boxes with two sides joined by free walls, from (x, y): how many, and whether the run ends
// at the border or at a box with fewer or more sides rather than closing on itself.
std::pair<int, bool> FloodTwoSided(const Board& board, int x, int y,
                                   std::array<bool, kBoxes>& seen) {
    std::vector<std::pair<int, int>> pending{{x, y}};
    seen[(x - 1) * kRows + (y - 1)] = true;
    int boxes = 0;
    bool ended = false;
    while (!pending.empty()) {
        const auto [cx, cy] = pending.back();
        pending.pop_back();
        ++boxes;
        for (const std::int16_t side : kSidesInScanOrder) {
            const Wall wall = MakeWall(cx, cy, side);
            Wall across;
            if (IsDrawn(board, wall)) {
                continue;
            }
            if (!NeighbourOf(wall, across) || WallCount(board(across.x, across.y).Walls) != 2) {
                ended = true;
            } else if (!seen[(across.x - 1) * kRows + (across.y - 1)]) {
                seen[(across.x - 1) * kRows + (across.y - 1)] = true;
                pending.emplace_back(across.x, across.y);
            }
        }
    }
    return {boxes, ended};
}

// Among the safe walls, those after which the long chains have the parity the player to move
// wants; all of them when none has. One of them at random.
Wall ControlWall(const Game& game, const SafeWalls& safe, RandomSource& random) {
    const bool want_odd = WantsOddLongChains(game.CurrentPlayer());
    std::vector<Wall> good;
    for (const WallCandidate& candidate : safe.List()) {
        Board after = game.Board();
        DrawWall(after, candidate.AsWall());
        if ((CountLongChains(after) % 2 == 1) == want_odd) {
            good.push_back(candidate.AsWall());
        }
    }
    if (good.empty()) {
        return safe.List()[random.Draw(safe.Count()) - 1].AsWall();
    }
    return good[random.Draw(static_cast<int>(good.size())) - 1];
}

int FreeWalls(const Board& board) {
    return SolverBoard(board).FreeWalls();
}

}  // namespace

int CountLongChains(const Board& board) {
    std::array<bool, kBoxes> seen{};
    int chains = 0;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            if (WallCount(board(x, y).Walls) != 2 || seen[(x - 1) * kRows + (y - 1)]) {
                continue;
            }
            const auto [boxes, ended] = FloodTwoSided(board, x, y, seen);
            chains += ended && boxes >= kLongChain ? 1 : 0;
        }
    }
    return chains;
}

bool WantsOddLongChains(char player) {
    // The first player wants dots + long chains even; 99 dots make that an odd count.
    constexpr int kDots = kDotColumns * kDotRows;
    const bool first = player == kHuman;
    return first == (kDots % 2 == 1);
}

std::optional<Wall> ChooseExpertWall(const Game& game, RandomSource& random) {
    if (game.GameOver()) {
        return std::nullopt;
    }
    const SafeWalls safe(game);
    const bool exact = safe.Count() == 0 || FreeWalls(game.Board()) <= kExpertExactFreeWalls;
    if (exact) {
        const SolveResult solved = EndgameSolver(kExpertExactBudget).Solve(game.Board());
        if (solved.complete && solved.wall) {
            return solved.wall;
        }
    }
    if (exact || safe.Count() <= kExpertSearchedSafeWalls) {
        const SolveResult guessed =
            EndgameSolver(kExpertEstimateBudget, kEstimateTableBits, EndgameSolver::Mode::Estimate)
                .Solve(game.Board());
        // Cut short while safe walls remain, the walls weighed first say little about the rest.
        if (guessed.wall && (guessed.complete || safe.Count() == 0)) {
            return guessed.wall;
        }
    }
    if (const auto take = FindBoxToTake(game)) {
        return take;
    }
    if (safe.Count() > 0) {
        return ControlWall(game, safe, random);
    }
    LookAhead look;
    if (const auto least = look.FindLeastLossWall(game)) {
        return least->AsWall();
    }
    return std::nullopt;
}

}  // namespace pennix
