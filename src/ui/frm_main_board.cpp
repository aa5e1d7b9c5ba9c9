// The board: painting it from the game, presses on its gaps, the blinking of computer walls, "Rnd".
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <utility>

#include "frm_main.h"
#include "hit_test.h"
#include "ui/dialogs/dialog_look.h"
#include "ui/look/device_pixels.h"
#include "wall_rect.h"

namespace pennix {

namespace {

// The bar leaves out its far edge (see WallRect).
QRect BarRect(const WallRect& bar) {
    return {bar.x1, bar.y1, bar.Width(), bar.Height()};
}

// The device pixels a bar fills at `scale` device pixels to the logical one. Along its length it
// reaches every pixel it touches: at a fractional scale such as 1.5 a bar's end falls inside a
// pixel that its dot covers only in part, and the usual rounding left a seam of background there.
// The dots are drawn over it. Across, a pixel is filled when its centre is inside, as usual.
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

// Fills in device pixels: the painter is set to draw one unit per device pixel meanwhile.
void FillBar(QPainter& painter, const WallRect& bar, const QColor& colour) {
    const qreal scale = painter.device()->devicePixelRatioF();
    painter.save();
    painter.scale(1 / scale, 1 / scale);
    painter.fillRect(DeviceBar(bar, scale), colour);
    painter.restore();
}

constexpr std::int16_t kSidesInDrawingOrder[] = {kTop, kBottom, kLeft, kRight};

}  // namespace

// ---- Painting --------------------------------------------------------------------------------

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched != client_) {
        return QMainWindow::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::Paint:
            Form_Paint();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // A filter sees presses even on a disabled widget, as the closed window is.
            if (client_->isEnabled()) {
                Form_MouseDown(static_cast<QMouseEvent*>(event)->position());
            }
            return true;
        default:
            return false;
    }
}

// Everything is drawn from the game at every paint; only the bar being blinked is kept between
// paints. The dots are widgets of their own and so come out on top of the walls.
void FrmMain::Form_Paint() {
    ShowScore();
    QPainter painter(client_);
    DrawBoard(painter);
    if (blink_) {
        FillBar(painter, blink_->first, blink_->second);
    }
}

void FrmMain::DrawBoard(QPainter& painter) const {
    const DotRects dots = DotRectangles();
    const Board& board = game_.Board();
    painter.setPen(client_->palette().color(QPalette::WindowText));
    for (int y = 1; y <= kRows; ++y) {
        for (int x = 1; x <= kColumns; ++x) {
            const BoxCell& box = board(x, y);
            for (std::int16_t side : kSidesInDrawingOrder) {
                if ((box.Walls & side) == 0) {
                    continue;
                }
                const WallRect bar = WallRectangle(dots, x, y, side);
                FillBar(painter, bar, Qt::black);
                if (side == kTop && box.Owner != kNobody) {
                    DrawLetter(painter, LetterPosition(bar), box.Owner);
                }
            }
        }
    }
}

// The letter's cell has its top-left corner at `at`; Qt places text by its baseline. The board's
// font is first touched here, so a board without owners never loads it.
void FrmMain::DrawLetter(QPainter& painter, TextPosition at, char owner) {
    painter.drawText(at.x, at.y + painter.fontMetrics().ascent(), QString(QChar(owner)));
}

// Every refresh, a paint's included, tallies the boxes before it writes the score line: the
// line then never lags the board, and a finished game is credited to the match once however
// often it is tallied.
void FrmMain::ShowScore() {
    game_.Tally();
    lblScore_->setText(QString::fromStdString(game_.ScoreLine()));
}

void FrmMain::RefreshBoard() {
    ShowScore();
    client_->repaint();
}

// ---- A press on the board --------------------------------------------------------------------

// Every button and every modifier count the same, and the second press of a double click is a
// press like the first.
void FrmMain::Form_MouseDown(QPointF position) {
    if (replying_) {
        return;
    }
    const auto wall = WallAtPoint(DotRectangles(), static_cast<float>(position.x()),
                                  static_cast<float>(position.y()));
    if (!wall || !game_.IsWallFree(wall->x, wall->y, wall->side)) {
        return;
    }
    RunReply([this, &wall] {
        game_.PlaceWall(wall->x, wall->y, wall->side, false);
        opponent_.ComputerMove(CheckedLevel());
    });
    RunHeldCommands();
}

// The human's wall and the computer's whole answer run here. Commands and close requests that
// come during the answer's pauses are held back; the caller carries them out once it has
// finished with the reply's own results.
template <typename Reply>
void FrmMain::RunReply(Reply reply) {
    replying_ = true;
    emit ReplyStarted();
    reply();
    replying_ = false;
    emit ReplyEnded();
}

void FrmMain::cmdRandom_Click() {
    if (replying_) {
        return;
    }
    RandomMoveResult result = RandomMoveResult::GameOver;
    RunReply([this, &result] { result = opponent_.RandomMoveForPlayer(CheckedLevel()); });
    // Its message belongs to this press: shown before anything chosen after it, and not at all
    // on the way out.
    if (result == RandomMoveResult::NoSafeWall && !leaving_) {
        CentredMessageBox message(QMessageBox::NoIcon, "You are on your own",
                                  "No safe random moves are left.", QMessageBox::Ok, this);
        message.exec();
    }
    RunHeldCommands();
}

// ---- Commands held during a reply or a small window ------------------------------------------

// The window's own presses and keys wait in Qt's queue while the computer replies, and Qt keeps
// them from the window while a small window or a question is open, but a menu entry can still be
// chosen then, from a desktop-wide menu bar or an accessibility tool. Carried out at once, a new
// game would start under the reply and the computer would draw its first wall, or the board would
// change under an open question. What comes while held commands wait waits behind them, so that
// all are carried out in the order they came.
void FrmMain::WhenIdle(std::function<void()> command) {
    if (Busy()) {
        held_commands_.push_back(std::move(command));
        return;
    }
    command();
    RunHeldCommands();  // those that came while a window it opened was open
}

bool FrmMain::Busy() const {
    return replying_ || !held_commands_.empty() || QApplication::activeModalWidget() != nullptr;
}

// One at a time, in the order they came: a held command may itself start a reply, which holds
// what comes during it, or close the window, which drops the rest.
void FrmMain::RunHeldCommands() {
    while (!replying_ && !held_commands_.empty()) {
        const std::function<void()> command = std::move(held_commands_.front());
        held_commands_.pop_front();
        command();
    }
}

// ---- The computer's wall blinking ------------------------------------------------------------

BlinkTiming TimingFor(Speed speed) {
    using std::chrono::microseconds;
    switch (speed) {
        case Speed::Slow:
            return {10, microseconds(100'000)};
        case Speed::Medium:
            return {5, microseconds(10'000)};
        case Speed::Fast:
            break;
    }
    return {3, microseconds(500)};
}

// A game on its way out (a logout, a termination signal) skips the rest of the blinking: the
// walls drawn are the same, and a long reply at the slowest speed would otherwise hold up the
// save for most of a minute, longer than a session that is ending may wait.
void FrmMain::AnimateWall(int x, int y, int side) {
    const BlinkTiming timing = TimingFor(CheckedSpeed());
    const WallRect bar = WallRectangle(DotRectangles(), x, y, side);
    for (int blink = 0; blink < timing.blinks && !leaving_; ++blink) {
        Blink(bar, Qt::white);
        pause_(timing.pause);
        Blink(bar, Qt::black);
        pause_(timing.pause);
    }
    blink_.reset();
}

// Paints the bar at once, without waiting for the event loop, which the pause may not run. The
// area repainted takes in a pixel more all round, for the device pixels the bar only touches.
void FrmMain::Blink(const WallRect& bar, QColor colour) {
    blink_.emplace(bar, colour);
    client_->repaint(BarRect(bar).adjusted(-1, -1, 1, 1));
}

}  // namespace pennix
