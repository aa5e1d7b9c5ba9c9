// Where the board's 99 dots lie, in the board's pixels; walls and presses are worked out from them.
#pragma once

#include <array>

#include "game/board.h"

namespace pennix {

inline constexpr int kDotCount = kDotColumns * kDotRows;

// Left, top, width and height in the board's pixels, as a 96-dpi screen shows them.
struct DotRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    friend bool operator==(const DotRect&, const DotRect&) = default;
};

// Dot d sits at column d % 11 and row d / 11; box (x, y) has dot (y - 1) * 11 + (x - 1) at its
// top-left corner.
using DotRects = std::array<DotRect, kDotCount>;

constexpr int TopLeftDot(int x, int y) {
    return (y - 1) * kDotColumns + (x - 1);
}

// The board's dots: 9 pixels across, 32 apart, the first at (32, 24).
constexpr DotRects BoardDots() {
    DotRects dots{};
    for (int d = 0; d < kDotCount; ++d) {
        dots[d] = {32 + 32 * (d % kDotColumns), 24 + 32 * (d / kDotColumns), 9, 9};
    }
    return dots;
}

}  // namespace pennix
