// The Expert search: the exact value of a position and a wall that achieves it, within a budget.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "chain_theory.h"
#include "game/board.h"
#include "solver_board.h"
#include "solver_moves.h"

namespace pennix {

struct SolveResult {
    // The net number of still-unowned boxes the player to move wins over the other, both
    // playing perfectly; only meaningful when `complete`.
    int value = 0;
    bool complete = false;
    // The best wall found: the one achieving `value` when complete, otherwise the best of the
    // walls weighed in full before the budget ran out; nothing when none was, or the board is
    // full.
    std::optional<Wall> wall;
    std::int64_t nodes = 0;  // the work done, counted as the budget is
};

// An alpha-beta search over the walls SolverMoves keeps, with a transposition table keyed by the
// drawn walls (whose turn it is does not change what the player to move can win), and the
// chain-and-loop theory wherever every open box has exactly two sides. The budget counts the
// positions visited, those valued by the theory or a guess weighing more, so that a search stops
// at the same place on any machine and a seeded game replays exactly.
class EndgameSolver {
  public:
    static constexpr std::int64_t kUnlimited = std::numeric_limits<std::int64_t>::max();

    // Exact solves every position; Estimate stops where every wall opens a chain or loop and
    // values it by ApproximateComponents, for the fight over the last safe walls, whose exact
    // endgames are too many to solve in one turn.
    enum class Mode { Exact, Estimate };

    explicit EndgameSolver(std::int64_t node_budget = kUnlimited, int table_bits = 16,
                           Mode mode = Mode::Exact);

    SolveResult Solve(const Board& board);

  private:
    struct Entry {
        std::uint64_t key = 0;
        std::int8_t value = 0;
        std::uint8_t bound = 0;  // kExact, kLower or kUpper; 0 for an empty slot
        SolverMove best;
    };

    int Search(SolverBoard& board, int alpha, int beta);
    void KeepSafeWhenEstimating(SolverMoves& moves) const;
    // Draws a forced run of captures, searches on, and takes the run back.
    int EatForced(SolverBoard& board, const SolverMoves& run, int alpha, int beta);
    // The table's move, when the position was seen, goes first.
    void PutFirst(SolverMove* moves, int count, SolverMove first) const;
    Entry& Slot(std::uint64_t key) { return table_[key & (table_.size() - 1)]; }

    std::int64_t budget_;
    Mode mode_;
    std::int64_t nodes_ = 0;
    bool out_of_budget_ = false;
    std::vector<Entry> table_;
    ChainTheory theory_;
};

}  // namespace pennix
