// The pictures and help pages compiled into the program.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QUrl>

namespace pennix {

// The program's icon, a corner of the board with a box being closed, at 16, 32 and 48 pixels;
// the window system picks the size it needs.
QIcon PennixIcon();

// The same picture at 256 pixels, for a window that shows it larger than an icon.
QPixmap PennixPicture();

// The drawing of the author on a skydiving jump, 164 x 191 pixels.
QPixmap AuthorPicture();

QUrl HelpContentsPage();
QUrl HelpIndexPage();

}  // namespace pennix
