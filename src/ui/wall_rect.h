// Where a wall and an owner's letter are drawn, worked out from the dots around the box.
#pragma once

#include "board_layout.h"

namespace pennix {

// Opposite corners of a wall's bar. The bar covers x1..x2-1 and y1..y2-1: the far edge is left
// out, so a bar fills exactly the gap between two dots and is 5 pixels thick with 9-pixel dots,
// centred on them. Drawing and blinking both use this one rectangle.
struct WallRect {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    int Width() const { return x2 - x1; }
    int Height() const { return y2 - y1; }
    friend bool operator==(const WallRect&, const WallRect&) = default;
};

struct TextPosition {
    int x = 0;
    int y = 0;
    friend bool operator==(const TextPosition&, const TextPosition&) = default;
};

// The bar of `side` (one wall bit) of box (x, y); an empty rectangle for anything else.
WallRect WallRectangle(const DotRects& dots, int x, int y, int side);

// Top-left corner of the owner's letter, placed from the bar of the box's top wall.
TextPosition LetterPosition(const WallRect& top_wall);

}  // namespace pennix
