// The main window at twice the pixel density (QT_SCALE_FACTOR=2, set by the test's environment):
// its size, the sharpness of its walls and dots, and presses on device pixels.
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <memory>
#include <optional>
#include <set>

#include "ui/board_layout.h"
#include "ui/board_view.h"
#include "ui/main_window.h"
#include "ui/quiet_opener.h"
#include "ui/wall_rect.h"

namespace pennix {
namespace {

constexpr int kScale = 2;
const QColor kBackground(192, 255, 192);
const QColor kDot(0, 0, 255);
// The rows of dots and walls above the score line.
constexpr QRect kDotGrid(0, 0, 390, 300);

// Walls without a closed box among them, so that no owner's letter is drawn.
Board SomeWalls() {
    Board board;
    for (const Wall& wall : {MakeWall(1, 1, kTop), MakeWall(1, 1, kLeft), MakeWall(4, 3, kRight),
                             MakeWall(7, 5, kBottom), MakeWall(10, 8, kRight),
                             MakeWall(10, 8, kBottom), MakeWall(5, 8, kBottom)}) {
        DrawWall(board, wall);
    }
    return board;
}

QRect InDevicePixels(const WallRect& bar) {
    return {bar.x1 * kScale, bar.y1 * kScale, bar.Width() * kScale, bar.Height() * kScale};
}

}  // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void WindowIsTwiceItsSizeInDevicePixels();
    void WallsAndDotsAreDrawnSharpAtDevicePixels();
    void PressesOnDevicePixelsHitTheirWalls();
    void PressesThroughTheWholeWindowHitTheirWalls();

  private:
    Game& TheGame() { return window_->CurrentGame(); }
    int DrawnWallCount();
    void PressOnWindow(QPointF at_in_window);

    QTemporaryDir settings_directory_;
    std::unique_ptr<MainWindow> window_;
};

void HighDpiTest::init() {
    QVERIFY(settings_directory_.isValid());
    window_ =
        std::make_unique<MainWindow>(settings_directory_.filePath("pennix.ini").toStdString(),
                                     DesktopServices{testing::QuietLinks(), [] { return false; }});
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void HighDpiTest::cleanup() {
    window_.reset();
}

int HighDpiTest::DrawnWallCount() {
    int walls = 0;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            for (std::int16_t side : {kTop, kBottom, kLeft, kRight}) {
                walls += (TheGame().Board()(x, y).Walls & side) != 0 ? 1 : 0;
            }
        }
    }
    return walls;
}

// A press and release delivered to the top-level window at a position in its own logical
// coordinates, fractions kept, as the platform delivers a press on one device pixel.
void HighDpiTest::PressOnWindow(QPointF at_in_window) {
    QWindow* handle = window_->windowHandle();
    const QPointF global = handle->mapToGlobal(at_in_window.toPoint());
    QMouseEvent press(QEvent::MouseButtonPress, at_in_window, at_in_window, global, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at_in_window, at_in_window, global,
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &release);
}

void HighDpiTest::WindowIsTwiceItsSizeInDevicePixels() {
    QCOMPARE(window_->devicePixelRatio(), qreal(kScale));
    QCOMPARE(window_->findChild<QWidget*>("clientArea")->size(), QSize(390, 385));

    const QPixmap client = window_->findChild<QWidget*>("clientArea")->grab();
    QCOMPARE(client.size(), QSize(390, 385) * kScale);
    const QPixmap whole = window_->grab();
    QCOMPARE(whole.size(), window_->size() * kScale);
    QVERIFY(window_->height() > 385);
}

// Drawn at device resolution, every bar covers exactly its rectangle scaled by two, and there is
// no colour in between: an image drawn at the logical size and then enlarged would have blurred
// edges, or square steps of two pixels on the dots' round edges.
void HighDpiTest::WallsAndDotsAreDrawnSharpAtDevicePixels() {
    const Board board = SomeWalls();
    TheGame().LoadPosition(board, kHuman);
    window_->Board().repaint();
    const QImage image = window_->findChild<QWidget*>("clientArea")
                             ->grab()
                             .toImage()
                             .copy(kDotGrid.x() * kScale, kDotGrid.y() * kScale,
                                   kDotGrid.width() * kScale, kDotGrid.height() * kScale);

    int black = 0;
    std::set<QRgb> others;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            black += colour == Qt::black ? 1 : 0;
            if (colour != Qt::black && colour != kBackground && colour != kDot) {
                others.insert(colour.rgb());
            }
        }
    }
    QVERIFY2(others.empty(),
             qPrintable(QString("%1 colours between black, blue and green").arg(others.size())));

    const DotRects dots = BoardDots();
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            for (std::int16_t side : {kTop, kBottom, kLeft, kRight}) {
                if ((board(x, y).Walls & side) == 0) {
                    continue;
                }
                const QRect bar = InDevicePixels(WallRectangle(dots, x, y, side));
                QCOMPARE(bar.size(),
                         side == kTop || side == kBottom ? QSize(46, 10) : QSize(10, 46));
                for (int py = bar.top(); py <= bar.bottom(); ++py) {
                    for (int px = bar.left(); px <= bar.right(); ++px) {
                        QCOMPARE(image.pixelColor(px, py), QColor(Qt::black));
                    }
                }
            }
        }
    }
    // Seven bars of 46 x 10; an inner wall is painted from both its boxes onto the same pixels.
    QCOMPARE(black, 7 * 46 * 10);

    // The same board drawn at the logical size and enlarged would show the dots as 9-pixel
    // staircases of two-pixel steps; drawn at device resolution their edges are finer. Scaling
    // without smoothing is what an enlarged picture looks like at best.
    QImage logical(window_->findChild<QWidget*>("clientArea")->size(), QImage::Format_RGB32);
    logical.setDevicePixelRatio(1);
    window_->findChild<QWidget*>("clientArea")->render(&logical);
    const QImage enlarged = logical.copy(kDotGrid).scaled(image.size());
    QVERIFY(enlarged.convertToFormat(image.format()) != image);
}

// A press on one device pixel arrives at a half-pixel logical position, which the window passes
// on to the board rounded or not depending on the Qt version; the cases hold either way. The gap
// between two dots is open at both ends: device pixel 82 is logical 41, the first dot's right
// edge, and hits nothing; device pixel 83 is logical 41.5, inside the gap.
void HighDpiTest::PressesOnDevicePixelsHitTheirWalls() {
    const QPoint client_offset =
        window_->findChild<QWidget*>("clientArea")->mapTo(window_.get(), QPoint(0, 0));
    const struct {
        QPoint device;
        std::optional<Wall> wall;
    } cases[] = {
        {{104, 56}, MakeWall(1, 1, kTop)},
        {{83, 56}, MakeWall(1, 1, kTop)},
        {{126, 49}, MakeWall(1, 1, kTop)},
        {{104, 64}, MakeWall(1, 1, kTop)},
        {{82, 56}, std::nullopt},
        {{128, 56}, std::nullopt},
        {{104, 48}, std::nullopt},
        {{104, 66}, std::nullopt},
        {{104, 568}, MakeWall(1, 8, kBottom)},
        {{712, 88}, MakeWall(10, 1, kRight)},
        {{72, 88}, MakeWall(1, 1, kLeft)},
        {{328, 88}, MakeWall(5, 1, kLeft)},
        {{73, 67}, MakeWall(1, 1, kLeft)},
        {{73, 66}, std::nullopt},
    };
    for (const auto& one : cases) {
        TheGame().NewGame();
        window_->Board().repaint();
        const QPointF logical = QPointF(one.device) / kScale;
        PressOnWindow(logical + client_offset);
        QTRY_VERIFY(!window_->Busy());
        const QString where =
            QString("device pixel (%1, %2)").arg(one.device.x()).arg(one.device.y());
        if (!one.wall) {
            QVERIFY2(DrawnWallCount() == 0, qPrintable(where + " drew a wall"));
            continue;
        }
        QVERIFY2(TheGame().Board()(one.wall->x, one.wall->y).Walls & one.wall->side,
                 qPrintable(where + " missed its wall"));
        // The player's wall and the computer's answer, with a second box beside an inner wall.
        QVERIFY2(DrawnWallCount() >= 2 && DrawnWallCount() <= 4, qPrintable(where));
    }
}

// The same presses through Qt's own mouse delivery, at whole logical pixels of the window: the
// menu bar above the board is twice as tall in device pixels and must not shift the board.
void HighDpiTest::PressesThroughTheWholeWindowHitTheirWalls() {
    QWindow* handle = window_->windowHandle();
    const QPoint client_offset =
        window_->findChild<QWidget*>("clientArea")->mapTo(window_.get(), QPoint(0, 0));
    QVERIFY(client_offset.y() > 0);
    const struct {
        QPoint at;
        Wall wall;
    } cases[] = {{{52, 28}, MakeWall(1, 1, kTop)},
                 {{356, 44}, MakeWall(10, 1, kRight)},
                 {{340, 284}, MakeWall(10, 8, kBottom)}};
    for (const auto& one : cases) {
        TheGame().NewGame();
        window_->Board().repaint();
        QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, one.at + client_offset);
        QTRY_VERIFY(!window_->Busy());
        QVERIFY(TheGame().Board()(one.wall.x, one.wall.y).Walls & one.wall.side);
    }
}

}  // namespace pennix

QTEST_MAIN(pennix::HighDpiTest)
#include "high_dpi_test.moc"
