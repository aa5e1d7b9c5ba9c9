// Which wall gap, if any, lies under a press on the board.
#pragma once

#include <optional>

#include "board_layout.h"
#include "game/board.h"

namespace pennix {

// The wall whose gap strictly contains (x, y), in window pixels. A gap is the space between two
// neighbouring dots, as thick as a dot; a press on its border, on a dot, inside a box or off the
// grid finds nothing. Horizontal gaps are searched before vertical ones, each in dot order.
std::optional<Wall> WallAtPoint(const DotRects& dots, float x, float y);

}  // namespace pennix
