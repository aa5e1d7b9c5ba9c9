// Wall bars and letter positions from the dots around the box.
#include "wall_rect.h"

namespace pennix {

namespace {

// A horizontal bar spans from the right edge of `from` to the left edge of `to`, two pixels
// inside the dots' top and bottom edges.
WallRect Horizontal(const DotRect& from, const DotRect& to) {
    const int y1 = from.top + 2;
    return {from.Right(), y1, to.left, y1 + from.height - 4};
}

// A vertical bar spans from the bottom edge of `from` to the top edge of `to`, two pixels inside
// the dots' left and right edges.
WallRect Vertical(const DotRect& from, const DotRect& to) {
    const int x1 = from.left + 2;
    return {x1, from.Bottom(), x1 + from.width - 4, to.top};
}

}  // namespace

WallRect WallRectangle(const DotRects& dots, int x, int y, int side) {
    if (x < 1 || x > kColumns || y < 1 || y > kRows) {
        return {};
    }
    const int top_left = TopLeftDot(x, y);
    const DotRect& tl = dots[top_left];
    const DotRect& tr = dots[top_left + 1];
    const DotRect& bl = dots[top_left + kDotColumns];
    const DotRect& br = dots[top_left + kDotColumns + 1];
    switch (side) {
        case kTop:
            return Horizontal(tl, tr);
        case kBottom:
            return Horizontal(bl, br);
        case kLeft:
            return Vertical(tl, bl);
        case kRight:
            return Vertical(tr, br);
        default:
            return {};
    }
}

TextPosition LetterPosition(const WallRect& top_wall) {
    return {top_wall.x1 + 5, top_wall.y1 + 9};
}

}  // namespace pennix
