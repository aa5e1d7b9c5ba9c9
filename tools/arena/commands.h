// The two commands of pennix-arena, once their arguments have been read.
#pragma once

#include <stdexcept>
#include <string>

namespace pennix::arena {

// Exit statuses: 1 when the work could not be done, 2 for bad input or a bad argument.
inline constexpr int kExitFailure = 1;
inline constexpr int kExitBadInput = 2;

// A bad argument; its message is shown as one line.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The match arguments as typed; RunMatch checks them.
struct MatchArguments {
    std::string level_a;
    std::string level_b;
    std::string games = "1000";
    std::string seed = "1";
    std::string jobs = "1";
    bool json = false;
};

int RunAnalyze();
int RunMatch(const MatchArguments& arguments);

// The exit status once everything is printed: output that never reached its reader (a full disk,
// a closed pipe) must not end in a successful exit.
int FinishOutput();

}  // namespace pennix::arena
