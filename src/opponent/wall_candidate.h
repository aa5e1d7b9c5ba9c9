// A wall a finder considers, with what the look-ahead says it would give away.
#pragma once

#include <cstdint>

#include "game/board.h"

namespace pennix {

struct WallCandidate {
    std::int16_t X = 0;
    std::int16_t Y = 0;
    std::int16_t Side = 0;
    std::int16_t Gain = 0;  // boxes the human would win after this wall; set by the look-ahead

    Wall AsWall() const { return {X, Y, Side}; }
    friend bool operator==(const WallCandidate&, const WallCandidate&) = default;
};

// 10 columns x 8 rows x 4 sides: every (box, side) pair a scan can meet.
inline constexpr int kCandidateCapacity = kScanLength;

}  // namespace pennix
