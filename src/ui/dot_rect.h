// The rectangle of one board dot, as the window reports it, and the 99 of them in index order.
#pragma once

#include <array>

#include "game/board.h"

namespace pennix {

inline constexpr int kDotCount = kDotColumns * kDotRows;

// Left, top, width and height in window pixels. Walls and presses are worked out from these at
// each use, so moving a dot moves its walls with it.
struct DotRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
};

// Dot d sits at column d % 11 and row d / 11; box (x, y) has dot (y - 1) * 11 + (x - 1) at its
// top-left corner.
using DotRects = std::array<DotRect, kDotCount>;

constexpr int TopLeftDot(int x, int y) {
    return (y - 1) * kDotColumns + (x - 1);
}

}  // namespace pennix
