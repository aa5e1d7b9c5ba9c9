// The window's four typefaces, mapped to faces a Debian desktop has, in pixel sizes.
#pragma once

#include <QFont>

namespace pennix {

// Sizes are in pixels as a 96-dpi screen shows the game's sizes in points, so the layout is the
// same on every screen; high-DPI scaling then enlarges pixels and fonts together.
QFont BoardFont();    // owners' letters: Arial 15.75 pt bold
QFont ScoreFont();    // the score line: Times New Roman 15.75 pt
QFont ButtonFont();   // "Rnd": Courier 9.75 pt
QFont WebpageFont();  // the link: Comic Sans MS 8.25 pt, underlined

}  // namespace pennix
