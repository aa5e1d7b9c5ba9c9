// A corner of the board: four dots, two walls and an owned box, in the window's colours.
#include "program_icon.h"

#include <QPainter>
#include <QPixmap>

namespace pennix {

namespace {

QPixmap Picture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(QColor(192, 255, 192));
    QPainter painter(&pixmap);
    const int dot = size / 4;
    const int far = size - dot;
    painter.fillRect(dot, dot / 4, far - dot, dot / 2 + 1, Qt::black);
    painter.fillRect(dot / 4, dot, dot / 2 + 1, far - dot, Qt::black);
    painter.fillRect(dot + dot / 2, dot + dot / 2, far - 2 * dot, far - 2 * dot, QColor(0, 0, 192));
    painter.setPen(QColor(0, 0, 255));
    painter.setBrush(QColor(0, 0, 255));
    for (int x : {0, far}) {
        for (int y : {0, far}) {
            painter.drawEllipse(x, y, dot - 1, dot - 1);
        }
    }
    return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    icon.addPixmap(Picture(32));
    icon.addPixmap(Picture(16));
    return icon;
}

}  // namespace pennix
