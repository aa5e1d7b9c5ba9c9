// A window destroyed by another program (`xdotool windowclose`, a tool tidying up a desktop)
// rather than closed through the window manager. Left alone, the main window's loss would leave
// the game running with nothing to show, every later start being told that its window comes
// forward; a modal window's loss would leave its loop running and the main window refusing input.
#pragma once

class QWidget;

namespace pennix {

// From now on, when the X server reports the native window of one of the application's windows
// destroyed, that window is closed, and for `main_window` every window is, as on a termination
// signal, so the game saves and ends. A platform other than X11 reports nothing, and nothing
// changes there. Call once.
void CloseWindowsDestroyedFromOutside(QWidget& main_window);

}  // namespace pennix
