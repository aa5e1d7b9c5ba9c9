// The board in device pixels: where the dots and the walls that meet them are rounded alike.
#pragma once

#include <QtGlobal>
#include <cmath>
#include <utility>

namespace pennix {

// The device pixels, first to one past the last, that the logical span from `from` to `to` (not
// included) touches at `scale` device pixels to the logical one: every pixel it covers even in
// part, so that no seam of background shows where a dot and a wall meet at a fractional scale.
inline std::pair<int, int> OutwardSpan(int from, int to, qreal scale) {
    return {static_cast<int>(std::floor(from * scale)), static_cast<int>(std::ceil(to * scale))};
}

}  // namespace pennix
