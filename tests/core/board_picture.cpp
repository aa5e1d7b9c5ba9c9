// Pictures of boards for tests.
#include "board_picture.h"

#include <stdexcept>
#include <vector>

namespace pennix::testing {

namespace {

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    // A raw string literal usually starts right after its opening quote with a line break.
    if (!lines.empty() && lines.front().empty()) {
        lines.erase(lines.begin());
    }
    lines.resize(2 * kRows + 1);
    for (std::string& line : lines) {
        line.resize(2 * kColumns + 1, ' ');
    }
    return lines;
}

}  // namespace

Board ParseBoard(std::string_view picture) {
    const std::vector<std::string> lines = SplitLines(picture);
    Board board;
    for (int y = 1; y <= kRows; ++y) {
        for (int x = 1; x <= kColumns; ++x) {
            const int row = 2 * y - 1;
            const int column = 2 * x - 1;
            BoxCell& box = board(x, y);
            box.Walls = static_cast<std::int16_t>((lines[row - 1][column] == '-' ? kTop : 0) |
                                                  (lines[row + 1][column] == '-' ? kBottom : 0) |
                                                  (lines[row][column - 1] == '|' ? kLeft : 0) |
                                                  (lines[row][column + 1] == '|' ? kRight : 0));
            box.Owner = lines[row][column];
            if (box.Owner != kNobody && box.Owner != kHuman && box.Owner != kComputer) {
                throw std::invalid_argument("unknown owner in picture");
            }
            if ((box.Owner != kNobody) != (box.Walls == kClosed)) {
                throw std::invalid_argument("a box is owned exactly when it is closed");
            }
        }
    }
    return board;
}

std::string DrawBoard(const Board& board) {
    std::vector<std::string> lines(2 * kRows + 1, std::string(2 * kColumns + 1, ' '));
    for (int row = 0; row <= 2 * kRows; row += 2) {
        for (int column = 0; column <= 2 * kColumns; column += 2) {
            lines[row][column] = '.';
        }
    }
    for (int y = 1; y <= kRows; ++y) {
        for (int x = 1; x <= kColumns; ++x) {
            const BoxCell& box = board(x, y);
            const int row = 2 * y - 1;
            const int column = 2 * x - 1;
            if (box.Walls & kTop)
                lines[row - 1][column] = '-';
            if (box.Walls & kBottom)
                lines[row + 1][column] = '-';
            if (box.Walls & kLeft)
                lines[row][column - 1] = '|';
            if (box.Walls & kRight)
                lines[row][column + 1] = '|';
            lines[row][column] = box.Owner;
        }
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line + '\n';
    }
    return text;
}

}  // namespace pennix::testing
