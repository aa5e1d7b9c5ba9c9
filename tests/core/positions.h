// Worked positions shared by the tests of the rules and of the computer's finders.
#pragma once

#include "board_picture.h"
#include "game/board.h"

namespace pennix::testing {

// A chain of five along the bottom row, (6, 8) to (10, 8), opened at the right border.
inline constexpr const char* kChainOfFive = R"(
. . . . . . . . . . .

. . . . . . . . . . .

. . . . . . . . . . .

. . . . . . . . . . .

. . . . . . . . . . .

. . . . . . . . . . .

. . . . . . . . . . .

. . . . . .-.-.-.-.-.
                    |
. . . . . .-.-.-.-.-.
)";

// The same chain with columns 1 and 2 owned: 16 boxes, 8 each.
inline constexpr const char* kChainOfFiveSixteenOwned = R"(
.-.-. . . . . . . . .
|H|C|
.-.-. . . . . . . . .
|C|H|
.-.-. . . . . . . . .
|H|C|
.-.-. . . . . . . . .
|C|H|
.-.-. . . . . . . . .
|H|C|
.-.-. . . . . . . . .
|C|H|
.-.-. . . . . . . . .
|H|C|
.-.-. . . .-.-.-.-.-.
|C|H|               |
.-.-. . . .-.-.-.-.-.
)";

// The same chain with 15 boxes owned: (2, 8) is open on its right and bottom.
inline constexpr const char* kChainOfFiveFifteenOwned = R"(
.-.-. . . . . . . . .
|H|C|
.-.-. . . . . . . . .
|C|H|
.-.-. . . . . . . . .
|H|C|
.-.-. . . . . . . . .
|C|H|
.-.-. . . . . . . . .
|H|C|
.-.-. . . . . . . . .
|C|H|
.-.-. . . . . . . . .
|H|C|
.-.-. . . .-.-.-.-.-.
|C|                 |
.-. . . . .-.-.-.-.-.
)";

// Boxes (1, 8) and (2, 1) each lack only their right side.
inline constexpr const char* kTwoBoxesOnOffer = R"(
. .-. . . . . . . . .
  |
. .-. . . . . . . . .

. . . . . . . . . . .

. . . . . . . . . . .

. . . . . . . . . . .

. . . . . . . . . . .

. . . . . . . . . . .

.-. . . . . . . . . .
|
.-. . . . . . . . . .
)";

// Rows 2 to 8 owned (35 each); the top row holds chains of five, three and two boxes,
// (1..5, 1), (6..8, 1) and (9..10, 1), and every free wall gives one of them away.
inline constexpr const char* kThreeChainsInTheTopRow = R"(
.-.-.-.-. . .-. . .-.
          |     |
.-.-.-.-.-.-.-.-.-.-.
|H|C|H|C|H|C|H|C|H|C|
.-.-.-.-.-.-.-.-.-.-.
|H|C|H|C|H|C|H|C|H|C|
.-.-.-.-.-.-.-.-.-.-.
|H|C|H|C|H|C|H|C|H|C|
.-.-.-.-.-.-.-.-.-.-.
|H|C|H|C|H|C|H|C|H|C|
.-.-.-.-.-.-.-.-.-.-.
|H|C|H|C|H|C|H|C|H|C|
.-.-.-.-.-.-.-.-.-.-.
|H|C|H|C|H|C|H|C|H|C|
.-.-.-.-.-.-.-.-.-.-.
|H|C|H|C|H|C|H|C|H|C|
.-.-.-.-.-.-.-.-.-.-.
)";

// Every box closed, owned alternately by the human and the computer.
inline Board FullBoard() {
    Board board;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            board(x, y) = {kClosed, (x + y) % 2 == 0 ? kHuman : kComputer};
        }
    }
    return board;
}

// Every box closed and owned, except (10, 8), which lacks its right side; `human` of the 79
// owned boxes go to the human, the first ones in column order.
inline Board AllButOneBox(int human) {
    Board board;
    int given = 0;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            board(x, y) = {kClosed, given++ < human ? kHuman : kComputer};
        }
    }
    board(kColumns, kRows) = {kClosed & ~kRight, kNobody};
    return board;
}

// Distinct walls drawn: a shared wall counts once.
inline int CountWalls(const Board& board) {
    int walls = 0;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            const int drawn = board(x, y).Walls;
            walls += (drawn & kTop ? 1 : 0) + (drawn & kLeft ? 1 : 0);
            walls += (y == kRows && (drawn & kBottom)) ? 1 : 0;
            walls += (x == kColumns && (drawn & kRight)) ? 1 : 0;
        }
    }
    return walls;
}

}  // namespace pennix::testing
