// Game records for the arena's tests, built line by line so that each position is easy to follow.
#pragma once

#include <string>

namespace pennix::arena::testing {

// Every one of the 178 walls once: the horizontal walls row by row, then the vertical ones. The
// game is over after the last line.
std::string AllWallsRecord();

// Every wall of the boxes in columns 1 and 2, which closes all 16 of them.
std::string FirstTwoColumnsRecord();

}  // namespace pennix::arena::testing
