// The two-pass search for the wall gap under a press.
#include "hit_test.h"

namespace pennix {

namespace {

// The gap to the right of each dot: the top of the box below it, or in the last dot row the
// bottom of the box above it.
std::optional<Wall> HorizontalGap(const DotRects& dots, float x, float y) {
    for (int i = 0; i < kDotCount - 1; ++i) {
        const int column = i % kDotColumns + 1;
        const int row = i / kDotColumns + 1;
        const DotRect& dot = dots[i];
        const bool inside =
            dot.Right() < x && x < dots[i + 1].left && dot.top < y && y < dot.Bottom();
        // A dot at the end of a row has no gap to its right; should the dots ever be laid out so
        // that one seems to, it must not name a box past the last column.
        if (!inside || column > kColumns) {
            continue;
        }
        return row <= kRows ? MakeWall(column, row, kTop) : MakeWall(column, kRows, kBottom);
    }
    return std::nullopt;
}

// The gap below each dot of the first eight dot rows.
std::optional<Wall> VerticalGap(const DotRects& dots, float x, float y) {
    for (int i = 0; i < kDotCount - kDotColumns; ++i) {
        const int column = i % kDotColumns + 1;
        const int row = i / kDotColumns + 1;
        const DotRect& dot = dots[i];
        const bool inside =
            dot.left < x && x < dot.Right() && dot.Bottom() < y && y < dots[i + kDotColumns].top;
        if (!inside) {
            continue;
        }
        return column <= kColumns ? MakeWall(column, row, kLeft) : MakeWall(kColumns, row, kRight);
    }
    return std::nullopt;
}

}  // namespace

std::optional<Wall> WallAtPoint(const DotRects& dots, float x, float y) {
    if (auto wall = HorizontalGap(dots, x, y)) {
        return wall;
    }
    return VerticalGap(dots, x, y);
}

}  // namespace pennix
