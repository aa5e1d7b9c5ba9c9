// Where the game's small windows and messages go, and where the keyboard goes when they close,
// with or without a window manager.
#pragma once

class QWidget;

namespace pennix {

// Centres `window` over its parent's window, the client areas' centres together, with or without
// a window manager: Qt's own centring guesses at frames, and put a small window 10 pixels left of
// and 40 above the centre without one, a title bar's height above it under one. Call before the
// window is mapped.
void CentreOverParent(QWidget& window);

// Activates the window under `window`, which nobody does without a window manager.
void HandBackTheKeyboard(const QWidget& window);

}  // namespace pennix
