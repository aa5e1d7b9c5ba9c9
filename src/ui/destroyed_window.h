// A window destroyed by another program (`xdotool windowclose`, a tool tidying up a desktop)
// rather than closed through the window manager: the game would run on with nothing to show, and
// every later start would be told that its window comes forward. It ends as at a logout instead,
// saving first.
#pragma once

class QWidget;

namespace pennix {

// From now on, when the X server reports `window`'s native window destroyed, every window of the
// application is closed, as on a termination signal. Call once the window is shown; a platform
// other than X11 reports nothing, and nothing changes there.
void CloseWhenDestroyedFromOutside(QWidget& window);

}  // namespace pennix
