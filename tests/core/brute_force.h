// Plain minimax over every free wall, the yardstick the Expert search is checked against.
#pragma once

#include <cstdint>
#include <vector>

#include "game/board.h"

namespace pennix::reference {

// Solves a position by trying every free wall in every position below it, remembering each
// position by which of the walls free at the start are drawn. Meant for at most about 22 free
// walls: the table has 2^free entries.
class BruteForce {
  public:
    explicit BruteForce(const Board& board);

    // The net number of still-unowned boxes the player to move wins over the other, both
    // playing perfectly, in the position the board had when solved.
    int Value() { return ValueAfter(board_, 0); }
    // The same for a later position of the same game: the start's free walls `drawn` since.
    int ValueOf(const Board& later);
    // What drawing the wall is worth to the player to move in `later`: the boxes it closes
    // plus what follows if they keep the move, minus what the other wins if the turn passes.
    int WallValue(const Board& later, const Wall& wall);

  private:
    int ValueAfter(Board& board, std::uint32_t drawn);
    std::uint32_t DrawnSinceStart(const Board& later) const;

    Board board_;
    std::vector<Wall> free_;
    std::vector<std::int8_t> memo_;
};

}  // namespace pennix::reference
