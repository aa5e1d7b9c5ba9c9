// Records that draw whole stretches of the board.
#include "record_texts.h"

namespace pennix::arena::testing {

namespace {

constexpr int kColumns = 10;
constexpr int kRows = 8;

// The wall above dot row `row` (0..8) over box column x, named from the box that has it.
std::string HorizontalWall(int x, int row) {
    return row < kRows ? std::to_string(x) + " " + std::to_string(row + 1) + " top\n"
                       : std::to_string(x) + " " + std::to_string(kRows) + " bottom\n";
}

// The wall on dot column `column` (0..10) beside box row y, named from the box that has it.
std::string VerticalWall(int column, int y) {
    return column < kColumns ? std::to_string(column + 1) + " " + std::to_string(y) + " left\n"
                             : std::to_string(kColumns) + " " + std::to_string(y) + " right\n";
}

}  // namespace

std::string AllWallsRecord() {
    std::string record;
    for (int row = 0; row <= kRows; ++row) {
        for (int x = 1; x <= kColumns; ++x) {
            record += HorizontalWall(x, row);
        }
    }
    for (int y = 1; y <= kRows; ++y) {
        for (int column = 0; column <= kColumns; ++column) {
            record += VerticalWall(column, y);
        }
    }
    return record;
}

std::string FirstTwoColumnsRecord() {
    std::string record;
    for (int row = 0; row <= kRows; ++row) {
        record += HorizontalWall(1, row) + HorizontalWall(2, row);
    }
    for (int y = 1; y <= kRows; ++y) {
        for (int column = 0; column <= 2; ++column) {
            record += VerticalWall(column, y);
        }
    }
    return record;
}

}  // namespace pennix::arena::testing
