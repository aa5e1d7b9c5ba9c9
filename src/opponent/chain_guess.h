// A guess at the chains and loops a position with junctions will come to, for the estimating
// search.
#pragma once

#include "chain_theory.h"
#include "solver_board.h"

namespace pennix {

// A guess at the chains and loops a position with junctions (boxes with fewer than two sides)
// will come to: once one arm of a junction is eaten, its two longest arms and the junction join
// into one chain. The same as Decompose for a simple position.
SimpleComponents ApproximateComponents(const SolverBoard& board);

}  // namespace pennix
