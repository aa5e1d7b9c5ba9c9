// The keyboard's wall cursor: which gap an arrow key moves it to, and the gap's outline.
#pragma once

#include "board_layout.h"
#include "wall_rect.h"

namespace pennix {

enum class CursorStep { Left, Right, Up, Down };

// The gap half a box away in the direction of `step`: along a row of boxes the cursor goes from
// a top wall to the side wall after it and on to the next top wall, down a column from a side
// wall to the bottom wall below it, and so on, so every one of the 178 walls is reached. At the
// board's edge it stays where it is. Walls are named as a press names them: by the box below or
// to the right, the last row and column by their bottom and right sides.
Wall StepCursor(const Wall& from, CursorStep step);

// Where the cursor starts: the top wall of the top-left box.
inline constexpr Wall kFirstCursorWall{1, 1, kTop};

// The whole gap between the wall's two dots, as thick as a dot: what the cursor outlines.
WallRect GapRectangle(const DotRects& dots, const Wall& wall);

}  // namespace pennix
