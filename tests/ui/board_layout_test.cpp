// Hit-testing presses and placing wall bars, worked out from the board's dots without a window.
#include "ui/board_layout.h"

#include <gtest/gtest.h>

#include <optional>
#include <queue>
#include <set>
#include <tuple>

#include "gap_centre.h"
#include "ui/hit_test.h"
#include "ui/wall_cursor.h"
#include "ui/wall_rect.h"

namespace pennix {

void PrintTo(const Wall& wall, std::ostream* out) {
    *out << "box (" << wall.x << ", " << wall.y << ") side " << wall.side;
}
void PrintTo(const WallRect& bar, std::ostream* out) {
    *out << "(" << bar.x1 << ", " << bar.y1 << ")-(" << bar.x2 << ", " << bar.y2 << ")";
}

namespace {

constexpr DotRects kDots = BoardDots();

std::optional<Wall> At(int x, int y, std::int16_t side) {
    return MakeWall(x, y, side);
}

TEST(BoardLayoutTest, DotsLieThirtyTwoApartFromTheFirst) {
    EXPECT_EQ(kDots[0], (DotRect{32, 24, 9, 9}));
    EXPECT_EQ(kDots[1], (DotRect{64, 24, 9, 9}));
    EXPECT_EQ(kDots[11], (DotRect{32, 56, 9, 9}));
    EXPECT_EQ(kDots[98], (DotRect{352, 280, 9, 9}));
}

// Presses strictly inside a gap find its wall; on an edge, a dot, in a box or off the grid, none.
TEST(BoardLayoutTest, PressFindsTheGapItIsIn) {
    const std::optional<Wall> none;
    const struct {
        float x, y;
        std::optional<Wall> wall;
    } cases[] = {
        {52, 28, At(1, 1, kTop)},
        {340, 28, At(10, 1, kTop)},
        {52, 284, At(1, 8, kBottom)},
        {340, 284, At(10, 8, kBottom)},
        {36, 44, At(1, 1, kLeft)},
        {164, 44, At(5, 1, kLeft)},
        {356, 44, At(10, 1, kRight)},
        {36, 268, At(1, 8, kLeft)},
        {356, 268, At(10, 8, kRight)},
        {41.01f, 24.01f, At(1, 1, kTop)},
        {63.99f, 32.99f, At(1, 1, kTop)},
        {32.01f, 33.01f, At(1, 1, kLeft)},
        {41, 28, none},
        {64, 28, none},
        {52, 24, none},
        {52, 33, none},
        {32, 44, none},
        {41, 44, none},
        {36, 33, none},
        {36, 56, none},
        {36, 28, none},
        {52, 44, none},
        {375, 28, none},
        {52, 300, none},
        {52, 10, none},
        {10, 44, none},
    };
    for (const auto& one : cases) {
        EXPECT_EQ(WallAtPoint(kDots, one.x, one.y), one.wall) << one.x << ", " << one.y;
    }
}

// All 178 walls can be pressed, each at its own gap, and each press names the wall by the box
// below it or to its right, the way the window hands walls to the game.
TEST(BoardLayoutTest, EveryWallHasItsOwnGap) {
    std::set<std::tuple<int, int, int>> found;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            for (std::int16_t side : {kTop, kBottom, kLeft, kRight}) {
                if ((side == kBottom && y < kRows) || (side == kRight && x < kColumns)) {
                    continue;
                }
                const Wall wall = MakeWall(x, y, side);
                const auto [px, py] = GapCentre(wall);
                EXPECT_EQ(WallAtPoint(kDots, px, py), std::optional<Wall>(wall));
                found.insert({x, y, side});
            }
        }
    }
    EXPECT_EQ(found.size(), std::size_t{kWallCount});
}

// The gap search walks from the last dot of a row to the first of the next; however the dots
// are laid out, that step must never name a box beyond the tenth column.
TEST(BoardLayoutTest, DotAtARowEndHasNoGapToItsRight) {
    DotRects dots = kDots;
    dots[11] = {400, 24, 9, 9};
    EXPECT_EQ(WallAtPoint(dots, 380.f, 28.f), std::optional<Wall>());
}

// A bar fills the 23-pixel gap between two dots and is 5 pixels thick, its far edge left out.
TEST(BoardLayoutTest, WallBarsAndLettersOfEveryBoxFollowTheDots) {
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            const int bx = 32 * x;
            const int by = 32 * y;
            EXPECT_EQ(WallRectangle(kDots, x, y, kTop),
                      (WallRect{bx + 9, by - 6, bx + 32, by - 1}));
            EXPECT_EQ(WallRectangle(kDots, x, y, kBottom),
                      (WallRect{bx + 9, by + 26, bx + 32, by + 31}));
            EXPECT_EQ(WallRectangle(kDots, x, y, kLeft),
                      (WallRect{bx + 2, by + 1, bx + 7, by + 24}));
            EXPECT_EQ(WallRectangle(kDots, x, y, kRight),
                      (WallRect{bx + 34, by + 1, bx + 39, by + 24}));
            EXPECT_EQ(LetterPosition(WallRectangle(kDots, x, y, kTop)),
                      (TextPosition{bx + 14, by + 3}));
        }
    }
    EXPECT_EQ(WallRectangle(kDots, 1, 1, kLeft | kTop), WallRect{});
    EXPECT_EQ(WallRectangle(kDots, 11, 1, kTop), WallRect{});
    EXPECT_EQ(WallRectangle(kDots, 1, 9, kTop), WallRect{});
}

// Along a row the cursor goes top wall, side wall, top wall; down a column side wall, bottom
// wall; at the edges it stays; and the arrow keys reach every one of the 178 walls.
TEST(WallCursorTest, StepsHalfABoxAndReachesEveryWall) {
    EXPECT_EQ(StepCursor(kFirstCursorWall, CursorStep::Right), MakeWall(2, 1, kLeft));
    EXPECT_EQ(StepCursor(MakeWall(2, 1, kLeft), CursorStep::Right), MakeWall(2, 1, kTop));
    EXPECT_EQ(StepCursor(kFirstCursorWall, CursorStep::Down), MakeWall(1, 1, kLeft));
    EXPECT_EQ(StepCursor(MakeWall(1, 1, kLeft), CursorStep::Down), MakeWall(1, 2, kTop));
    EXPECT_EQ(StepCursor(MakeWall(10, 8, kBottom), CursorStep::Right), MakeWall(10, 8, kRight));
    EXPECT_EQ(StepCursor(MakeWall(10, 8, kRight), CursorStep::Down), MakeWall(10, 8, kBottom));
    EXPECT_EQ(StepCursor(kFirstCursorWall, CursorStep::Up), kFirstCursorWall);
    EXPECT_EQ(StepCursor(MakeWall(1, 1, kLeft), CursorStep::Left), MakeWall(1, 1, kLeft));
    EXPECT_EQ(StepCursor(MakeWall(10, 3, kRight), CursorStep::Right), MakeWall(10, 3, kRight));

    std::set<std::tuple<int, int, int>> reached;
    std::queue<Wall> next;
    next.push(kFirstCursorWall);
    while (!next.empty()) {
        const Wall wall = next.front();
        next.pop();
        if (!reached.insert({wall.x, wall.y, wall.side}).second) {
            continue;
        }
        // Each step lands on a gap the mouse could press, named as a press names it.
        const auto [px, py] = GapCentre(wall);
        ASSERT_EQ(WallAtPoint(kDots, px, py), std::optional<Wall>(wall));
        for (CursorStep step :
             {CursorStep::Left, CursorStep::Right, CursorStep::Up, CursorStep::Down}) {
            next.push(StepCursor(wall, step));
        }
    }
    EXPECT_EQ(reached.size(), std::size_t{kWallCount});
}

}  // namespace
}  // namespace pennix
