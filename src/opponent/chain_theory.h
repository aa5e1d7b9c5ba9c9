// The exact value of a simple endgame: independent chains and loops, one of which must be opened.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "solver_board.h"

namespace pennix {

// The chains (ending at the border at both ends) and loops of a position where every box still
// open has exactly two sides drawn, by length, shortest first.
struct SimpleComponents {
    std::vector<std::uint8_t> chains;
    std::vector<std::uint8_t> loops;
};

// True when every open box has exactly two sides: nothing on offer, no safe wall, no junction.
bool IsSimple(const SolverBoard& board);
SimpleComponents Decompose(const SolverBoard& board);

// The player to move must open a component; the other then takes it all and moves on, or keeps
// control by taking all but two boxes of a chain (all but four of a loop) and handing those back,
// which costs 2 (4) against taking all. A chain of two is opened in its middle, so that it cannot
// be handed back. The value is the net number of boxes the player to move wins, both playing
// perfectly; remembered per multiset of components.
class ChainTheory {
  public:
    int Value(const SimpleComponents& components);

  private:
    int Solve(std::vector<std::uint8_t>& chains, std::vector<std::uint8_t>& loops,
              std::uint64_t key);
    std::unordered_map<std::uint64_t, int> memo_;
};

}  // namespace pennix
