// The cursor moves on a lattice of half boxes: a dot at (even, even), a horizontal gap at (odd,
// even), a vertical one at (even, odd). Each step changes both coordinates by one, so it goes from
// a horizontal gap to a vertical one and back, staying in the band of boxes it is in.
#include "wall_cursor.h"

namespace pennix {

namespace {

constexpr int kLastX = 2 * kColumns;  // the lattice's right edge: the last dot column
constexpr int kLastY = 2 * kRows;     // its bottom edge: the last dot row

struct Point {
    int x;
    int y;
};

Point ToLattice(const Wall& wall) {
    switch (wall.side) {
        case kTop:
            return {2 * wall.x - 1, 2 * wall.y - 2};
        case kBottom:
            return {2 * wall.x - 1, 2 * wall.y};
        case kLeft:
            return {2 * wall.x - 2, 2 * wall.y - 1};
        default:
            return {2 * wall.x, 2 * wall.y - 1};
    }
}

Wall FromLattice(Point at) {
    if (at.y % 2 == 0) {
        const int x = (at.x + 1) / 2;
        return at.y < kLastY ? MakeWall(x, at.y / 2 + 1, kTop) : MakeWall(x, kRows, kBottom);
    }
    const int y = (at.y + 1) / 2;
    return at.x < kLastX ? MakeWall(at.x / 2 + 1, y, kLeft) : MakeWall(kColumns, y, kRight);
}

// The other coordinate moves toward the inside of the band, away from the edge when it must.
int Across(int value, int preferred, int last) {
    const int moved = value + preferred;
    return moved >= 0 && moved <= last ? moved : value - preferred;
}

}  // namespace

Wall StepCursor(const Wall& from, CursorStep step) {
    const Point at = ToLattice(from);
    const bool horizontal = at.y % 2 == 0;
    Point to = at;
    switch (step) {
        case CursorStep::Left:
        case CursorStep::Right:
            to.x += step == CursorStep::Right ? 1 : -1;
            to.y = horizontal ? Across(at.y, 1, kLastY) : at.y - 1;
            break;
        case CursorStep::Up:
        case CursorStep::Down:
            to.y += step == CursorStep::Down ? 1 : -1;
            to.x = horizontal ? at.x - 1 : Across(at.x, 1, kLastX);
            break;
    }
    if (to.x < 0 || to.x > kLastX || to.y < 0 || to.y > kLastY) {
        return from;
    }
    return FromLattice(to);
}

WallRect GapRectangle(const DotRects& dots, const Wall& wall) {
    const WallRect bar = WallRectangle(dots, wall.x, wall.y, wall.side);
    const bool horizontal = bar.Width() > bar.Height();
    // The bar sits two pixels inside the dots' edges; the gap reaches them.
    return horizontal ? WallRect{bar.x1, bar.y1 - 2, bar.x2, bar.y2 + 2}
                      : WallRect{bar.x1 - 2, bar.y1, bar.x2 + 2, bar.y2};
}

}  // namespace pennix
