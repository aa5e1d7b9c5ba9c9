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

// The same with standard input opened from a path, which may be one that cannot be read.
ArenaRun RunArenaReading(const std::vector<std::string>& arguments, const std::string& path);

// The same with standard output written to a path (/dev/full, say); `out` stays empty.
ArenaRun RunArenaWriting(const std::vector<std::string>& arguments, const std::string& path);

// The same with standard output a pipe whose reader has already gone; `out` stays empty.
ArenaRun RunArenaIntoClosedPipe(const std::vector<std::string>& arguments);

}  // namespace pennix::arena::testing
