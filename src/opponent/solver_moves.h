// The walls worth trying in a position, as the Expert search sees it.
#pragma once

#include <array>

#include "solver_board.h"

namespace pennix {

struct SolverMoves {
    std::array<SolverMove, kWallCount> moves{};
    int count = 0;
    bool captures = false;  // the moves take or hand back boxes on offer
    int safe = 0;           // safe walls among the moves
    bool forced = false;    // the moves are one run to draw in order, not choices

    // Nothing on offer and no safe wall: every wall opens a chain or loop.
    bool Loony() const { return !captures && safe == 0; }

    void Add(SolverMove move) { moves[count++] = move; }
};

// The walls that can matter, every other wall being no better than one of them:
// - a box on offer whose last wall does not lead on into a chain is taken, and nothing else;
// - chains on offer are eaten, in one forced run, down to the last two boxes of the last of
//   them (four of an opened loop), and there taking one and handing them back are tried;
// - otherwise every safe wall (first, in scan order), and one opening per chain or loop: any wall
// of a chain or loop
//   gives the other player the same choices, except that a chain of two opened in its middle
//   cannot be handed back, so both of its openings are tried; of chains from border to border
//   and loops of one length, only the first is opened. Openings come shortest first.
void GenerateMoves(const SolverBoard& board, SolverMoves& out);

}  // namespace pennix
