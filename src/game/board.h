// The board of boxes and walls, the wall bits and the order in which finders visit walls.
#pragma once

#include <array>
#include <cstdint>

namespace pennix {

inline constexpr int kColumns = 10;  // box columns 1..10
inline constexpr int kRows = 8;      // box rows 1..8
inline constexpr int kBoxes = kColumns * kRows;
inline constexpr int kDotColumns = kColumns + 1;
inline constexpr int kDotRows = kRows + 1;

// A wall is one side of a box, named by a single bit of that box's `Walls`.
inline constexpr std::int16_t kLeft = 1;
inline constexpr std::int16_t kRight = 2;
inline constexpr std::int16_t kTop = 4;
inline constexpr std::int16_t kBottom = 8;
inline constexpr std::int16_t kClosed = kLeft | kRight | kTop | kBottom;
// The order in which finders visit a box's sides.
inline constexpr std::array<std::int16_t, 4> kSidesInScanOrder{kTop, kBottom, kLeft, kRight};

// Owners and players share one code.
inline constexpr char kNobody = ' ';
inline constexpr char kHuman = 'H';
inline constexpr char kComputer = 'C';

struct BoxCell {
    std::int16_t Walls = 0;
    char Owner = kNobody;

    friend bool operator==(const BoxCell&, const BoxCell&) = default;
};

// Cells are indexed (column 0..10, row 0..8); only (1..10, 1..8) are boxes. Column 0 and row 0
// exist so that a box's coordinates index it directly.
class Board {
  public:
    BoxCell& operator()(int x, int y) { return cells_[y * kDotColumns + x]; }
    const BoxCell& operator()(int x, int y) const { return cells_[y * kDotColumns + x]; }

    friend bool operator==(const Board&, const Board&) = default;

  private:
    std::array<BoxCell, kDotColumns * kDotRows> cells_{};
};

struct Wall {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t side = 0;

    friend bool operator==(const Wall&, const Wall&) = default;
};

// A wall from the plain ints that loops and arithmetic give.
constexpr Wall MakeWall(int x, int y, int side) {
    return {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
            static_cast<std::int16_t>(side)};
}

// How many of a box's four sides the bits in `walls` draw. A table: the look-ahead asks this
// for every box it walks through, and not every processor counts bits in one instruction.
inline constexpr std::array<std::int8_t, 16> kSidesDrawn = {0, 1, 1, 2, 1, 2, 2, 3,
                                                            1, 2, 2, 3, 2, 3, 3, 4};
constexpr int WallCount(int walls) {
    return kSidesDrawn[walls & kClosed];
}

// Whether the wall is drawn on its own box (drawing marks it on the box across too).
inline bool IsDrawn(const Board& board, const Wall& wall) {
    return (board(wall.x, wall.y).Walls & wall.side) == wall.side;
}

// The same wall seen from the box on its other side; false on the outer border.
constexpr bool NeighbourOf(const Wall& wall, Wall& neighbour) {
    switch (wall.side) {
        case kLeft:
            neighbour = {static_cast<std::int16_t>(wall.x - 1), wall.y, kRight};
            return wall.x >= 2;
        case kRight:
            neighbour = {static_cast<std::int16_t>(wall.x + 1), wall.y, kLeft};
            return wall.x <= kColumns - 1;
        case kTop:
            neighbour = {wall.x, static_cast<std::int16_t>(wall.y - 1), kBottom};
            return wall.y >= 2;
        case kBottom:
            neighbour = {wall.x, static_cast<std::int16_t>(wall.y + 1), kTop};
            return wall.y <= kRows - 1;
        default:
            return false;
    }
}

// Whether the two name one wall, the second maybe from the box across it.
constexpr bool SameWall(const Wall& a, const Wall& b) {
    Wall across;
    return a == b || (NeighbourOf(a, across) && across == b);
}

// Draws the wall on its box and on the box across it, if any. Claims nothing.
inline void DrawWall(Board& board, const Wall& wall) {
    board(wall.x, wall.y).Walls |= wall.side;
    Wall neighbour;
    if (NeighbourOf(wall, neighbour)) {
        board(neighbour.x, neighbour.y).Walls |= neighbour.side;
    }
}

// True when drawing the wall leaves its box, or the box across it, with more than `limit` sides.
inline bool RaisesCountAbove(const Board& board, const Wall& wall, int limit) {
    if (WallCount(board(wall.x, wall.y).Walls | wall.side) > limit) {
        return true;
    }
    Wall neighbour;
    return NeighbourOf(wall, neighbour) &&
           WallCount(board(neighbour.x, neighbour.y).Walls | neighbour.side) > limit;
}

// The 178 distinct walls: 90 horizontal (10 in each of the 9 dot rows) and 88 vertical (11 in
// each of the 8 box rows).
inline constexpr int kWallCount = kColumns * kDotRows + kDotColumns * kRows;

// Every finder visits the 320 (box, side) pairs in this order: column 1..10, then row 1..8, then
// top, bottom, left, right. A wall between two boxes is met twice, once from each box.
inline constexpr int kScanLength = kBoxes * 4;

constexpr std::array<Wall, kScanLength> MakeScanOrder() {
    std::array<Wall, kScanLength> order{};
    int i = 0;
    for (std::int16_t x = 1; x <= kColumns; ++x) {
        for (std::int16_t y = 1; y <= kRows; ++y) {
            for (std::int16_t side : kSidesInScanOrder) {
                order[i++] = {x, y, side};
            }
        }
    }
    return order;
}

inline constexpr std::array<Wall, kScanLength> kScanOrder = MakeScanOrder();

}  // namespace pennix
