// Plain minimax over every free wall.
#include "brute_force.h"

#include <algorithm>
#include <stdexcept>

namespace pennix::reference {

namespace {

constexpr std::int8_t kUnknown = -128;

int Closes(const Board& board, const Wall& wall) {
    int closed = board(wall.x, wall.y).Walls == kClosed ? 1 : 0;
    Wall across;
    if (NeighbourOf(wall, across)) {
        closed += board(across.x, across.y).Walls == kClosed ? 1 : 0;
    }
    return closed;
}

void Erase(Board& board, const Wall& wall) {
    board(wall.x, wall.y).Walls &= static_cast<std::int16_t>(~wall.side);
    Wall across;
    if (NeighbourOf(wall, across)) {
        board(across.x, across.y).Walls &= static_cast<std::int16_t>(~across.side);
    }
}

}  // namespace

BruteForce::BruteForce(const Board& board) : board_(board) {
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            for (const std::int16_t side : kSidesInScanOrder) {
                const Wall wall = MakeWall(x, y, side);
                Wall across;
                const bool seen_from_other =
                    NeighbourOf(wall, across) && (side == kTop || side == kLeft);
                if (!IsDrawn(board, wall) && !seen_from_other) {
                    free_.push_back(wall);
                }
            }
        }
    }
    if (free_.size() > 24) {
        throw std::invalid_argument("too many free walls for brute force");
    }
    memo_.assign(std::size_t{1} << free_.size(), kUnknown);
}

int BruteForce::ValueAfter(Board& board, std::uint32_t drawn) {
    if (memo_[drawn] != kUnknown) {
        return memo_[drawn];
    }
    int best = drawn + 1u == (1u << free_.size()) ? 0 : -kBoxes;
    for (std::size_t i = 0; i < free_.size(); ++i) {
        if ((drawn & (1u << i)) != 0) {
            continue;
        }
        DrawWall(board, free_[i]);
        const int closed = Closes(board, free_[i]);
        const int after = ValueAfter(board, drawn | (1u << i));
        Erase(board, free_[i]);
        best = std::max(best, closed > 0 ? closed + after : -after);
    }
    memo_[drawn] = static_cast<std::int8_t>(best);
    return best;
}

std::uint32_t BruteForce::DrawnSinceStart(const Board& later) const {
    std::uint32_t drawn = 0;
    for (std::size_t i = 0; i < free_.size(); ++i) {
        drawn |= IsDrawn(later, free_[i]) ? 1u << i : 0u;
    }
    return drawn;
}

int BruteForce::ValueOf(const Board& later) {
    Board board = later;
    return ValueAfter(board, DrawnSinceStart(later));
}

int BruteForce::WallValue(const Board& later, const Wall& wall) {
    Board board = later;
    DrawWall(board, wall);
    const int closed = Closes(board, wall);
    const int after = ValueAfter(board, DrawnSinceStart(board));
    return closed > 0 ? closed + after : -after;
}

}  // namespace pennix::reference
