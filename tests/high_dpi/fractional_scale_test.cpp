// The main window at a pixel density above the usual (QT_SCALE_FACTOR set by the test's
// environment, as a desktop at 125%, 133%, 150% or 200% sets it): walls still meet their dots.
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>

#include "ui/board_layout.h"
#include "ui/board_view.h"
#include "ui/main_window.h"
#include "ui/quiet_opener.h"
#include "ui/wall_rect.h"

namespace pennix {

class FractionalScaleTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void WallsMeetTheirDotsAtBothEnds();
    void BlinkCoversTheWholeWall();

  private:
    QTemporaryDir settings_directory_;
    std::unique_ptr<MainWindow> window_;
};

namespace {

const QColor kBackground(192, 255, 192);

// The device pixel that holds a logical position.
int DevicePixel(double logical, double scale) {
    return static_cast<int>(std::floor(logical * scale));
}

// Pixels of one colour on the line from the centre of one dot to the centre of the next, through
// the wall between them, in an image of the whole window whose board begins at `board`.
int PixelsBetween(const QImage& image, QPoint board, const DotRect& from, const DotRect& to,
                  double scale, const QColor& colour) {
    const double from_x = board.x() + from.left + from.width / 2.0;
    const double from_y = board.y() + from.top + from.height / 2.0;
    const double to_x = board.x() + to.left + to.width / 2.0;
    const double to_y = board.y() + to.top + to.height / 2.0;
    int count = 0;
    for (int x = DevicePixel(from_x, scale); x <= DevicePixel(to_x, scale); ++x) {
        for (int y = DevicePixel(from_y, scale); y <= DevicePixel(to_y, scale); ++y) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

void FractionalScaleTest::init() {
    QVERIFY(settings_directory_.isValid());
    window_ =
        std::make_unique<MainWindow>(settings_directory_.filePath("pennix.ini").toStdString(),
                                     DesktopServices{testing::QuietLinks(), [] { return false; }});
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    const double scale = window_->devicePixelRatioF();
    QVERIFY2(scale > 1, "QT_SCALE_FACTOR does not raise the pixel density");
}

void FractionalScaleTest::cleanup() {
    window_.reset();
}

void FractionalScaleTest::WallsMeetTheirDotsAtBothEnds() {
    // Every wall of the board, so that each column and row of dots falls on its own fraction.
    Board board;
    for (std::int16_t x = 1; x <= kColumns; ++x) {
        for (std::int16_t y = 1; y <= kRows; ++y) {
            DrawWall(board, {x, y, kTop});
            DrawWall(board, {x, y, kLeft});
            DrawWall(board, {x, y, kRight});
            DrawWall(board, {x, y, kBottom});
        }
    }
    window_->CurrentGame().LoadPosition(board, kHuman);
    window_->Board().repaint();
    // The whole window: below the menu bar the board begins at a fraction of a device pixel,
    // where seams show that an image of the board alone would not.
    const QImage image = window_->grab().toImage();
    const QPoint board_origin =
        window_->findChild<QWidget*>("clientArea")->mapTo(window_.get(), QPoint(0, 0));
    const double scale = window_->devicePixelRatioF();

    const DotRects dots = BoardDots();
    for (int d = 0; d < kDotCount; ++d) {
        const bool last_column = d % kDotColumns == kDotColumns - 1;
        const bool last_row = d / kDotColumns == kDotRows - 1;
        if (!last_column) {
            QVERIFY2(
                PixelsBetween(image, board_origin, dots[d], dots[d + 1], scale, kBackground) == 0,
                qPrintable(QString("a gap right of dot %1").arg(d)));
        }
        if (!last_row) {
            QVERIFY2(PixelsBetween(image, board_origin, dots[d], dots[d + kDotColumns], scale,
                                   kBackground) == 0,
                     qPrintable(QString("a gap below dot %1").arg(d)));
        }
    }
}

// The white of a blink covers every pixel the black bar does, ends included.
void FractionalScaleTest::BlinkCoversTheWholeWall() {
    Board board;
    DrawWall(board, {1, 1, kTop});
    DrawWall(board, {3, 2, kLeft});
    window_->CurrentGame().LoadPosition(board, kComputer);
    window_->Board().repaint();
    const double scale = window_->devicePixelRatioF();
    const DotRects dots = BoardDots();
    const struct {
        Wall wall;
        int from_dot;
        int to_dot;
    } cases[] = {{{1, 1, kTop}, 0, 1}, {{3, 2, kLeft}, 13, 24}};
    for (const auto& one : cases) {
        window_->Board().ShowBlink(one.wall, Qt::white);
        const QImage blinking = window_->findChild<QWidget*>("clientArea")->grab().toImage();
        window_->Board().EndBlink();
        const DotRect& from = dots[one.from_dot];
        const DotRect& to = dots[one.to_dot];
        const QPoint board_origin(0, 0);  // an image of the board alone
        QCOMPARE(PixelsBetween(blinking, board_origin, from, to, scale, Qt::black), 0);
        QVERIFY(PixelsBetween(blinking, board_origin, from, to, scale, Qt::white) > 0);
    }
}

}  // namespace pennix

QTEST_MAIN(pennix::FractionalScaleTest)
#include "fractional_scale_test.moc"
