// Running the built pennix-arena binary with given arguments and standard input.
#pragma once

#include <string>
#include <vector>

namespace pennix::arena::testing {

struct ArenaRun {
    int exit_status = -1;  // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

ArenaRun RunArena(const std::vector<std::string>& arguments, const std::string& input = "");

}  // namespace pennix::arena::testing
