// Where the window's layout puts the middle of the gap that a wall fills, for the window tests.
#pragma once

#include <utility>

#include "game/board.h"

namespace pennix {

// Exact, in the client area's coordinates: dot (c, r) sits at (32 + 32c, 24 + 32r), 9 pixels
// across, so every gap centre lies on a half pixel.
inline std::pair<float, float> GapCentre(const Wall& wall) {
    const float box_left = 32.0f * wall.x;
    const float box_top = 32.0f * wall.y;
    switch (wall.side) {
        case kTop:
            return {box_left + 20.5f, box_top - 3.5f};
        case kBottom:
            return {box_left + 20.5f, box_top + 28.5f};
        case kLeft:
            return {box_left + 4.5f, box_top + 12.5f};
        default:
            return {box_left + 36.5f, box_top + 12.5f};
    }
}

}  // namespace pennix
