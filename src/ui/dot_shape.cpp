// A dot paints itself aliased, border and fill in one colour, filling its whole rectangle.
#include "dot_shape.h"

#include <QPainter>
#include <QPen>

#include "ui/look/device_pixels.h"

namespace pennix {

DotShape::DotShape(QWidget* parent, QColor colour) : QWidget(parent), colour_(colour) {
    // A press on a dot belongs to the board, which ignores it as outside every gap.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

// Drawn in device pixels of the board, the frame the walls are placed in, over every pixel the
// dot's rectangle touches there: with the usual rounding a seam of background showed between a
// dot and its walls at 200% and at fractions such as 133%. Qt clips the dot to the pixels whose
// centres its widget covers; the walls' ends reach into those pixels too.
void DotShape::paintEvent(QPaintEvent*) {
    const qreal scale = devicePixelRatioF();
    const QRect area = geometry();
    const auto [left, right] = OutwardSpan(area.left(), area.right() + 1, scale);
    const auto [top, bottom] = OutwardSpan(area.top(), area.bottom() + 1, scale);
    const QRect device(QPoint(left, top), QPoint(right - 1, bottom - 1));
    QPainter painter(this);
    painter.scale(1 / scale, 1 / scale);
    painter.translate(-area.left() * scale, -area.top() * scale);
    // Aliased, border and fill in one colour; a one-pixel pen covers a pixel more than the
    // ellipse's rectangle, hence the rectangle a pixel short. At 100% this is the 9 x 9 dot.
    QPen pen(colour_);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(colour_);
    painter.drawEllipse(device.adjusted(0, 0, -1, -1));
}

}  // namespace pennix
