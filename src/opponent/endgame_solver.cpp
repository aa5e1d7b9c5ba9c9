// The Expert search.
#include "endgame_solver.h"

#include <algorithm>
#include <utility>

#include "chain_guess.h"
#include "solver_moves.h"

namespace pennix {

namespace {

constexpr std::uint8_t kExact = 1;
constexpr std::uint8_t kLower = 2;
constexpr std::uint8_t kUpper = 3;
constexpr int kInfinity = kBoxes + 1;
// What a position costs against the budget, in positions searched: valuing one by the chain
// theory takes a decomposition and a look-up, guessing its chains first a good deal more.
constexpr std::int64_t kTheoryWork = 8;
constexpr std::int64_t kGuessWork = 16;

}  // namespace

EndgameSolver::EndgameSolver(std::int64_t node_budget, int table_bits, Mode mode)
    : budget_(node_budget), mode_(mode), table_(std::size_t{1} << table_bits) {}

void EndgameSolver::PutFirst(SolverMove* moves, int count, SolverMove first) const {
    for (int i = 1; i < count; ++i) {
        if (moves[i] == first) {
            std::rotate(moves, moves + i, moves + i + 1);
            return;
        }
    }
}

void EndgameSolver::KeepSafeWhenEstimating(SolverMoves& moves) const {
    // Giving boxes away while safe walls remain is seldom right, and trying it would take the
    // estimating search through every chain and loop again.
    if (mode_ == Mode::Estimate && !moves.captures && moves.safe > 0) {
        moves.count = moves.safe;
    }
}

int EndgameSolver::EatForced(SolverBoard& board, const SolverMoves& run, int alpha, int beta) {
    int closed = 0;
    for (int i = 0; i < run.count; ++i) {
        closed += board.Draw(run.moves[i]);
    }
    const int value = closed + Search(board, alpha - closed, beta - closed);
    for (int i = 0; i < run.count; ++i) {
        board.Undo();
    }
    return value;
}

int EndgameSolver::Search(SolverBoard& board, int alpha, int beta) {
    if (++nodes_ > budget_) {
        out_of_budget_ = true;
        return 0;
    }
    if (board.Unowned() == 0) {
        return 0;
    }
    Entry& slot = Slot(board.Hash());
    if (slot.bound != 0 && slot.key == board.Hash()) {
        const int value = slot.value;
        if (slot.bound == kExact || (slot.bound == kLower && value >= beta) ||
            (slot.bound == kUpper && value <= alpha)) {
            return value;
        }
    }
    const SolverMove remembered = slot.key == board.Hash() ? slot.best : SolverMove{};
    if (IsSimple(board)) {
        nodes_ += kTheoryWork;
        const int value = theory_.Value(Decompose(board));
        slot = {board.Hash(), static_cast<std::int8_t>(value), kExact, {}};
        return value;
    }
    SolverMoves moves;
    GenerateMoves(board, moves);
    if (moves.forced) {
        return EatForced(board, moves, alpha, beta);
    }
    if (mode_ == Mode::Estimate && moves.Loony()) {
        nodes_ += kGuessWork;
        const int value = theory_.Value(ApproximateComponents(board));
        slot = {board.Hash(), static_cast<std::int8_t>(value), kExact, {}};
        return value;
    }
    KeepSafeWhenEstimating(moves);
    PutFirst(moves.moves.data(), moves.count, remembered);
    const int original_alpha = alpha;
    int best = -kInfinity;
    SolverMove best_move = moves.moves[0];
    for (int i = 0; i < moves.count; ++i) {
        const int closed = board.Draw(moves.moves[i]);
        const int value = closed > 0 ? closed + Search(board, alpha - closed, beta - closed)
                                     : -Search(board, -beta, -alpha);
        board.Undo();
        if (out_of_budget_) {
            return 0;
        }
        if (value > best) {
            best = value;
            best_move = moves.moves[i];
        }
        alpha = std::max(alpha, value);
        if (alpha >= beta) {
            break;
        }
    }
    // The slot may have been reused further down; store this position over it.
    Entry& entry = Slot(board.Hash());
    const std::uint8_t bound = best <= original_alpha ? kUpper : best >= beta ? kLower : kExact;
    entry = {board.Hash(), static_cast<std::int8_t>(best), bound, best_move};
    return best;
}

SolveResult EndgameSolver::Solve(const Board& board) {
    SolverBoard solver_board(board);
    SolveResult result;
    if (solver_board.Unowned() == 0) {
        result.complete = true;
        return result;
    }
    SolverMoves moves;
    GenerateMoves(solver_board, moves);
    if (moves.forced) {
        // Drawing the run's first wall keeps the move and leaves the rest of the run forced.
        result.value = EatForced(solver_board, moves, -kInfinity, kInfinity);
        result.complete = !out_of_budget_;
        result.value = result.complete ? result.value : 0;
        result.wall = SolverBoard::ToWall(moves.moves[0]);
        result.nodes = nodes_;
        return result;
    }
    KeepSafeWhenEstimating(moves);
    int best = -kInfinity;
    for (int i = 0; i < moves.count; ++i) {
        const int closed = solver_board.Draw(moves.moves[i]);
        const int value = closed > 0 ? closed + Search(solver_board, best - closed, kInfinity)
                                     : -Search(solver_board, -kInfinity, -best);
        solver_board.Undo();
        if (out_of_budget_) {
            break;
        }
        if (value > best) {
            best = value;
            result.wall = SolverBoard::ToWall(moves.moves[i]);
        }
    }
    result.complete = !out_of_budget_;
    result.value = result.complete ? best : 0;
    result.nodes = nodes_;
    return result;
}

}  // namespace pennix
