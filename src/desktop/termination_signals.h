// Ending the program from outside (the desktop logging out or shutting down, Ctrl+C or a closed
// terminal, kill) the way File > Exit ends it, so that the settings and match score are saved.
#pragma once

namespace pennix {

// From now on SIGTERM, SIGINT and SIGHUP close every window of the application, modal windows
// first, instead of killing the process; those the process was started ignoring stay ignored.
// Call after the QApplication is made; further calls change nothing.
void CloseWindowsOnTerminationSignals();

// Whether a termination signal has come that the event loop has not taken up yet: the game is
// about to close, though none of its windows knows so.
bool TerminationPending();

}  // namespace pennix
