// A dot paints itself aliased, border and fill in one colour, filling its whole rectangle.
#include "dot_shape.h"

#include <QPainter>

namespace pennix {

DotShape::DotShape(QWidget* parent, QColor colour) : QWidget(parent), colour_(colour) {
    // A press on a dot belongs to the board, which ignores it as outside every gap.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DotShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(colour_);
    painter.setBrush(colour_);
    // An aliased ellipse with a one-pixel pen covers one pixel more than its rectangle.
    painter.drawEllipse(rect().adjusted(0, 0, -1, -1));
}

}  // namespace pennix
