// Boards drawn as pictures, so that a test's position can be read at a glance.
//
// A picture has 17 lines of 21 characters: dot rows ("." dots, "-" between two dots for a drawn
// wall) alternate with box rows ("|" for a drawn wall between dot columns, and in each box " ",
// "H" or "C" for its owner). Lines may be shorter; missing characters are blanks.
#pragma once

#include <string>
#include <string_view>

#include "game/board.h"

namespace pennix::testing {

Board ParseBoard(std::string_view picture);
std::string DrawBoard(const Board& board);

}  // namespace pennix::testing
