// Everything is painted from the game at every paint; only the wall being blinked is kept between
// paints. Walls and dots are filled in device pixels, so that at a fractional scale no seam of
// background shows where a wall meets its dot.
#include "board_view.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "board_accessible.h"
#include "board_layout.h"
#include "hit_test.h"
#include "ui/look/colours.h"
#include "ui/look/device_pixels.h"
#include "ui/look/fonts.h"
#include "wall_rect.h"

namespace pennix {

namespace {

const QColor kBackground(192, 255, 192);
const QColor kDotColour(0, 0, 255);
const QColor kCursorColour(0, 0, 128);
constexpr DotRects kDots = BoardDots();
constexpr std::int16_t kSidesInDrawingOrder[] = {kTop, kBottom, kLeft, kRight};

// The device pixels a bar fills at `scale` device pixels to the logical one. Along its length it
// reaches every pixel it touches: at a fractional scale such as 1.5 a bar's end falls inside a
// pixel that its dot covers only in part, and the usual rounding left a seam of background there.
// The dots are painted over it. Across, a pixel is filled when its centre is inside, as usual.
QRect DeviceBar(const WallRect& bar, qreal scale) {
    const auto outward = [scale](int from, int to) { return OutwardSpan(from, to, scale); };
    const auto by_centres = [scale](int from, int to) {
        return std::pair{static_cast<int>(std::ceil(from * scale - 0.5)),
                         static_cast<int>(std::ceil(to * scale - 0.5))};
    };
    const bool horizontal = bar.Width() > bar.Height();
    const auto [left, right] = horizontal ? outward(bar.x1, bar.x2) : by_centres(bar.x1, bar.x2);
    const auto [top, bottom] = horizontal ? by_centres(bar.y1, bar.y2) : outward(bar.y1, bar.y2);
    return {QPoint(left, top), QPoint(right - 1, bottom - 1)};
}

// Every pixel the dot's rectangle touches, as for the walls' ends.
QRect DeviceDot(const DotRect& dot, qreal scale) {
    const auto [left, right] = OutwardSpan(dot.left, dot.Right(), scale);
    const auto [top, bottom] = OutwardSpan(dot.top, dot.Bottom(), scale);
    return {QPoint(left, top), QPoint(right - 1, bottom - 1)};
}

// The painter draws one unit per device pixel meanwhile.
class DevicePixels {
  public:
    explicit DevicePixels(QPainter& painter) : painter_(painter) {
        const qreal scale = painter.device()->devicePixelRatioF();
        painter_.save();
        painter_.scale(1 / scale, 1 / scale);
    }
    ~DevicePixels() { painter_.restore(); }
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

  private:
    QPainter& painter_;
};

void FillBar(QPainter& painter, const WallRect& bar, const QColor& colour) {
    const qreal scale = painter.device()->devicePixelRatioF();
    const DevicePixels device(painter);
    painter.fillRect(DeviceBar(bar, scale), colour);
}

// The letter's cell has its top-left corner at `at`; Qt places text by its baseline. The board's
// font is first touched here, so a board without owners never loads it.
void PaintLetter(QPainter& painter, TextPosition at, char owner) {
    painter.drawText(at.x, at.y + painter.fontMetrics().ascent(), QString(QChar(owner)));
}

}  // namespace

const QColor BoardView::kMarkColour(213, 94, 0);

BoardView::BoardView(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    UseBoardAccessibility();
    setObjectName("board");
    setAccessibleName(tr("Board"));
    setFixedSize(kSize);
    setFocusPolicy(Qt::StrongFocus);
    shown_ = game_.Board();
    setFont(BoardFont());
    FillBackground(this, kBackground);
    // The board is light green on every desktop, where a dark desktop's light text would vanish.
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText,
                     ReadableColour(colours.color(QPalette::WindowText), kBackground, Qt::black));
    setPalette(colours);
}

// The area repainted takes in a pixel more all round, for the device pixels the bar only touches.
void BoardView::ShowBlink(const Wall& wall, const QColor& colour) {
    blink_.emplace(wall, colour);
    const WallRect bar = WallRectangle(kDots, wall.x, wall.y, wall.side);
    repaint(QRect(bar.x1, bar.y1, bar.Width(), bar.Height()).adjusted(-1, -1, 1, 1));
}

void BoardView::EndBlink() {
    blink_.reset();
}

void BoardView::SetMarkedWalls(std::vector<Wall> walls) {
    marked_ = std::move(walls);
    update();
}

void BoardView::MoveCursor(CursorStep step) {
    cursor_ = StepCursor(cursor_, step);
    cursor_shown_ = true;
    UpdateCursor();
}

void BoardView::PressCursor() {
    cursor_shown_ = true;
    UpdateCursor();
    emit WallPressed(cursor_);
}

void BoardView::UpdateCursor() {
    update();
    if (hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent focus(BoardAccessible::WallInterface(this, cursor_), QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void BoardView::BoardChanged() {
    update();
    if (QAccessible::isActive()) {
        TellChanges(this, shown_, game_.Board());
    }
    shown_ = game_.Board();
}

void BoardView::Announce(const QString& text) {
    setAccessibleDescription(text);
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintWalls(painter);
    if (blink_) {
        const auto& [wall, colour] = *blink_;
        FillBar(painter, WallRectangle(kDots, wall.x, wall.y, wall.side), colour);
    }
    PaintDots(painter);
    if (cursor_shown_) {
        PaintCursor(painter);
    }
}

void BoardView::PaintWalls(QPainter& painter) const {
    const Board& board = game_.Board();
    painter.setPen(palette().color(QPalette::WindowText));
    for (int y = 1; y <= kRows; ++y) {
        for (int x = 1; x <= kColumns; ++x) {
            const BoxCell& box = board(x, y);
            for (std::int16_t side : kSidesInDrawingOrder) {
                if ((box.Walls & side) == 0) {
                    continue;
                }
                const WallRect bar = WallRectangle(kDots, x, y, side);
                const bool marked = std::any_of(
                    marked_.begin(), marked_.end(),
                    [&](const Wall& wall) { return SameWall(wall, MakeWall(x, y, side)); });
                FillBar(painter, bar, marked ? kMarkColour : QColor(Qt::black));
                if (side == kTop && box.Owner != kNobody) {
                    PaintLetter(painter, LetterPosition(bar), box.Owner);
                }
            }
        }
    }
}

// Aliased, border and fill in one colour; a one-pixel pen covers a pixel more than the ellipse's
// rectangle, hence the rectangle a pixel short. At 100% this is the 9 x 9 dot.
void BoardView::PaintDots(QPainter& painter) const {
    const qreal scale = painter.device()->devicePixelRatioF();
    const DevicePixels device(painter);
    QPen pen(kDotColour);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(kDotColour);
    for (const DotRect& dot : kDots) {
        painter.drawEllipse(DeviceDot(dot, scale).adjusted(0, 0, -1, -1));
    }
}

// A frame two pixels wide just inside the gap, between the dots, over what is drawn there.
void BoardView::PaintCursor(QPainter& painter) const {
    const WallRect gap = GapRectangle(kDots, cursor_);
    painter.setPen(QPen(kCursorColour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(gap.x1 + 1, gap.y1 + 1, gap.Width() - 2, gap.Height() - 2));
}

// Every button and every modifier count the same; the mouse puts the keyboard's cursor away.
void BoardView::mousePressEvent(QMouseEvent* event) {
    if (cursor_shown_) {
        cursor_shown_ = false;
        update();
    }
    const QPointF at = event->position();
    if (const auto wall =
            WallAtPoint(kDots, static_cast<float>(at.x()), static_cast<float>(at.y()))) {
        emit WallPressed(*wall);
    }
}

void BoardView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            return MoveCursor(CursorStep::Left);
        case Qt::Key_Right:
            return MoveCursor(CursorStep::Right);
        case Qt::Key_Up:
            return MoveCursor(CursorStep::Up);
        case Qt::Key_Down:
            return MoveCursor(CursorStep::Down);
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            return PressCursor();
        default:
            QWidget::keyPressEvent(event);
    }
}

// Coming to the board by the keyboard shows where the cursor is.
void BoardView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        cursor_shown_ = true;
    }
    UpdateCursor();
}

// The second press of a double click is a press like the first.
void BoardView::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

}  // namespace pennix
