// Walls on the board: shared walls on both boxes, border walls on one, the scan order.
#include "game/board.h"

#include <gtest/gtest.h>

#include "board_picture.h"

namespace pennix {
namespace {

TEST(BoardTest, SharedWallIsRecordedOnBothBoxes) {
    struct Case {
        Wall wall;
        Wall other;
    };
    const Case cases[] = {
        {{3, 5, kRight}, {4, 5, kLeft}},
        {{4, 5, kLeft}, {3, 5, kRight}},
        {{2, 2, kTop}, {2, 1, kBottom}},
        {{2, 7, kBottom}, {2, 8, kTop}},
    };
    for (const Case& c : cases) {
        Board board;
        DrawWall(board, c.wall);
        EXPECT_EQ(board(c.wall.x, c.wall.y).Walls, c.wall.side);
        EXPECT_EQ(board(c.other.x, c.other.y).Walls, c.other.side);
    }
}

TEST(BoardTest, BorderWallTouchesOneBoxOnly) {
    const Wall border[] = {{1, 4, kLeft}, {10, 4, kRight}, {6, 1, kTop}, {6, 8, kBottom}};
    for (const Wall& wall : border) {
        Board board;
        DrawWall(board, wall);
        Board expected;
        expected(wall.x, wall.y).Walls = wall.side;
        EXPECT_EQ(board, expected) << "wall " << wall.x << "," << wall.y << " side " << wall.side;
    }
}

TEST(BoardTest, ScanOrderIsColumnThenRowThenTopBottomLeftRight) {
    EXPECT_EQ(kScanOrder[0], (Wall{1, 1, kTop}));
    EXPECT_EQ(kScanOrder[1], (Wall{1, 1, kBottom}));
    EXPECT_EQ(kScanOrder[2], (Wall{1, 1, kLeft}));
    EXPECT_EQ(kScanOrder[3], (Wall{1, 1, kRight}));
    EXPECT_EQ(kScanOrder[4], (Wall{1, 2, kTop}));
    EXPECT_EQ(kScanOrder[32], (Wall{2, 1, kTop}));
    EXPECT_EQ(kScanOrder[kScanLength - 1], (Wall{10, 8, kRight}));
}

TEST(BoardTest, RaisesCountAboveLooksAcrossTheWall) {
    Board board;
    DrawWall(board, {4, 3, kTop});
    DrawWall(board, {4, 3, kBottom});
    // The left side of (5, 3) is the right side of (4, 3), which has two sides already.
    EXPECT_TRUE(RaisesCountAbove(board, {5, 3, kLeft}, 2));
    EXPECT_FALSE(RaisesCountAbove(board, {5, 3, kLeft}, 3));
    EXPECT_FALSE(RaisesCountAbove(board, {5, 3, kRight}, 2));
    // A top wall in row 1 has nobody above it.
    DrawWall(board, {7, 1, kLeft});
    DrawWall(board, {7, 1, kRight});
    EXPECT_TRUE(RaisesCountAbove(board, {7, 1, kTop}, 2));
    EXPECT_FALSE(RaisesCountAbove(board, {8, 1, kTop}, 2));
}

TEST(BoardTest, PicturesReadBackAsDrawn) {
    const char* picture = R"(
.-.-. . . . . . . . .
|H| |
.-. . . . . . . . . .
)";
    const Board board = testing::ParseBoard(picture);
    EXPECT_EQ(board(1, 1).Walls, kClosed);
    EXPECT_EQ(board(1, 1).Owner, kHuman);
    EXPECT_EQ(board(2, 1).Walls, kTop | kLeft | kRight);
    EXPECT_EQ(board(1, 2).Walls, kTop);
    EXPECT_EQ(testing::ParseBoard(testing::DrawBoard(board)), board);
    EXPECT_THROW(testing::ParseBoard(".-.\n| |\n.-.\n"), std::invalid_argument);
}

}  // namespace
}  // namespace pennix
