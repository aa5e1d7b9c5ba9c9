// Colours that stay readable: the game's fixed colours, given up where a desktop's own would not
// show them.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace pennix {

// `colour` where it can be read on `background`, otherwise `fallback`. The game's fixed
// colours were chosen for a light desktop; a dark one may put them on its own dark background,
// or its light text on the game's fixed light one.
QColor ReadableColour(const QColor& colour, const QColor& background, const QColor& fallback);

// Fills the widget's background with `colour`, as the board, its rules and its labels are.
void FillBackground(QWidget* widget, const QColor& colour);

// Gives the widget the game's own text colour, or, where that cannot be read on the widget's
// background, the desktop's own colour for `fallback`.
void SetTextColour(QWidget* widget, const QColor& colour,
                   QPalette::ColorRole fallback = QPalette::WindowText);

}  // namespace pennix
