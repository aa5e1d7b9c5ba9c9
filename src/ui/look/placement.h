// Where the game's small windows and messages go, and where the keyboard goes when they close,
// with or without a window manager.
#pragma once

class QWidget;

namespace pennix {

// Centres `window` over its parent's window when that has no frame (no window manager): Qt's
// own centring guesses at frames and would put it 10 pixels left of and 40 above the centre.
void CentreWhereThereIsNoFrame(QWidget& window);

// Activates the window under `window`, which nobody does without a window manager.
void HandBackTheKeyboard(const QWidget& window);

}  // namespace pennix
