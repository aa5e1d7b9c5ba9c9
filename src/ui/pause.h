// The pause between the blinks of a computer wall.
#pragma once

#include <chrono>

namespace pennix {

// Returns once at least `length` has passed on the monotonic clock. It sleeps rather than spins;
// while more than a moment is left it lets the window repaint and answer the window system, but
// keeps mouse and keyboard input queued until the caller is done.
void WaitWithoutInput(std::chrono::microseconds length);

}  // namespace pennix
