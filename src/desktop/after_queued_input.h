// Input that comes while the computer replies waits in Qt's queue until the reply ends, the close
// box's request among it. Something that must not overtake such input (an answer to a later
// start, which a waiting close changes) is run after it.
#pragma once

#include <functional>

class QWidget;

namespace pennix {

// Runs `action` from the event loop once the input queued for `window` by now has been handled,
// unless the window, or its native window, is gone by then. On X11 a message the window sends
// itself through the X server marks the place in the queue; elsewhere the action runs from the next
// pass of the loop.
void AfterQueuedInput(QWidget& window, std::function<void()> action);

}  // namespace pennix
