// Hit-testing presses and placing wall bars, worked out from dot rectangles without a window.
#include <QTest>
#include <optional>
#include <set>
#include <tuple>

#include "gap_centre.h"
#include "ui/hit_test.h"
#include "ui/wall_rect.h"

Q_DECLARE_METATYPE(std::optional<pennix::Wall>)

namespace pennix {
namespace {

// The window's layout: dot (c, r) at (32 + 32c, 24 + 32r), 9 pixels across.
DotRects StandardDots(int shift_x = 0, int shift_y = 0) {
    DotRects dots;
    for (int d = 0; d < kDotCount; ++d) {
        dots[d] = {32 + 32 * (d % kDotColumns) + shift_x, 24 + 32 * (d / kDotColumns) + shift_y, 9,
                   9};
    }
    return dots;
}

std::optional<Wall> At(int x, int y, std::int16_t side) {
    return MakeWall(x, y, side);
}

}  // namespace

// Failure messages name the walls and bars instead of printing nothing.
char* toString(const std::optional<Wall>& wall) {
    if (!wall) {
        return qstrdup("no wall");
    }
    return qstrdup(QString("box (%1, %2) side %3")
                       .arg(wall->x)
                       .arg(wall->y)
                       .arg(wall->side)
                       .toUtf8()
                       .constData());
}

char* toString(const WallRect& bar) {
    return qstrdup(QString("(%1, %2)-(%3, %4)")
                       .arg(bar.x1)
                       .arg(bar.y1)
                       .arg(bar.x2)
                       .arg(bar.y2)
                       .toUtf8()
                       .constData());
}

char* toString(const TextPosition& at) {
    return qstrdup(QString("(%1, %2)").arg(at.x).arg(at.y).toUtf8().constData());
}

class GeometryTest : public QObject {
    Q_OBJECT

  private slots:
    void PressFindsTheGapItIsIn_data();
    void PressFindsTheGapItIsIn();
    void EveryWallHasItsOwnGap();
    void GapsFollowTheDots();
    void DotAtARowEndHasNoGapToItsRight();
    void WallBarsOfTheFirstBox();
    void WallBarsOfEveryBoxFollowTheLayout();
    void BarsOfTheFarBorderAndOddSides();
};

void GeometryTest::PressFindsTheGapItIsIn_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<std::optional<Wall>>("wall");

    QTest::newRow("dots 0 and 1") << 52.f << 28.f << At(1, 1, kTop);
    QTest::newRow("dots 9 and 10") << 340.f << 28.f << At(10, 1, kTop);
    QTest::newRow("dots 88 and 89, bottom row") << 52.f << 284.f << At(1, 8, kBottom);
    QTest::newRow("dots 97 and 98") << 340.f << 284.f << At(10, 8, kBottom);
    QTest::newRow("dots 0 and 11") << 36.f << 44.f << At(1, 1, kLeft);
    QTest::newRow("dots 4 and 15") << 164.f << 44.f << At(5, 1, kLeft);
    QTest::newRow("dots 10 and 21, right column") << 356.f << 44.f << At(10, 1, kRight);
    QTest::newRow("dots 77 and 88") << 36.f << 268.f << At(1, 8, kLeft);
    QTest::newRow("dots 87 and 98") << 356.f << 268.f << At(10, 8, kRight);
    QTest::newRow("just inside every edge") << 41.01f << 24.01f << At(1, 1, kTop);
    QTest::newRow("just inside the far edges") << 63.99f << 32.99f << At(1, 1, kTop);
    QTest::newRow("vertical, just inside") << 32.01f << 33.01f << At(1, 1, kLeft);

    const std::optional<Wall> none;
    QTest::newRow("on the left dot's right edge") << 41.f << 28.f << none;
    QTest::newRow("on the right dot's left edge") << 64.f << 28.f << none;
    QTest::newRow("on the dots' top edge") << 52.f << 24.f << none;
    QTest::newRow("on the dots' bottom edge") << 52.f << 33.f << none;
    QTest::newRow("vertical, on the dot's left edge") << 32.f << 44.f << none;
    QTest::newRow("vertical, on the dot's right edge") << 41.f << 44.f << none;
    QTest::newRow("vertical, on the upper dot's bottom") << 36.f << 33.f << none;
    QTest::newRow("vertical, on the lower dot's top") << 36.f << 56.f << none;
    QTest::newRow("on a dot") << 36.f << 28.f << none;
    QTest::newRow("inside a box") << 52.f << 44.f << none;
    QTest::newRow("right of the last dot") << 375.f << 28.f << none;
    QTest::newRow("below the grid") << 52.f << 300.f << none;
    QTest::newRow("above the grid") << 52.f << 10.f << none;
    QTest::newRow("left of the grid") << 10.f << 44.f << none;
}

void GeometryTest::PressFindsTheGapItIsIn() {
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(std::optional<Wall>, wall);
    QCOMPARE(WallAtPoint(StandardDots(), x, y), wall);
}

// All 178 walls can be pressed, each at its own gap, and each press names the wall by the box
// below it or to its right, the way the window hands walls to the game.
void GeometryTest::EveryWallHasItsOwnGap() {
    const DotRects dots = StandardDots();
    std::set<std::tuple<int, int, int>> found;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            for (std::int16_t side : {kTop, kBottom, kLeft, kRight}) {
                const bool inner_copy =
                    (side == kBottom && y < kRows) || (side == kRight && x < kColumns);
                if (inner_copy) {
                    continue;
                }
                const Wall wall = MakeWall(x, y, side);
                const auto [px, py] = GapCentre(wall);
                QCOMPARE(WallAtPoint(dots, px, py), std::optional<Wall>(wall));
                found.insert({x, y, side});
            }
        }
    }
    QCOMPARE(found.size(), std::size_t{178});
}

void GeometryTest::GapsFollowTheDots() {
    const DotRects moved = StandardDots(10, 5);
    QCOMPARE(WallAtPoint(moved, 62.f, 33.f), At(1, 1, kTop));
    QCOMPARE(WallAtPoint(moved, 52.f, 28.f), std::optional<Wall>());
    QCOMPARE(WallRectangle(moved, 1, 1, kTop), (WallRect{51, 31, 74, 36}));

    DotRects wider = StandardDots();
    wider[1].left = 80;
    QCOMPARE(WallAtPoint(wider, 75.f, 28.f), At(1, 1, kTop));
    QCOMPARE(WallRectangle(wider, 1, 1, kTop), (WallRect{41, 26, 80, 31}));
}

// The gap search walks from the last dot of a row to the first of the next; however the dots
// are laid out, that step must never name a box beyond the tenth column.
void GeometryTest::DotAtARowEndHasNoGapToItsRight() {
    DotRects dots = StandardDots();
    dots[11] = {400, 24, 9, 9};
    QCOMPARE(WallAtPoint(dots, 380.f, 28.f), std::optional<Wall>());
}

void GeometryTest::WallBarsOfTheFirstBox() {
    const DotRects dots = StandardDots();
    QCOMPARE(WallRectangle(dots, 1, 1, kTop), (WallRect{41, 26, 64, 31}));
    QCOMPARE(WallRectangle(dots, 1, 1, kBottom), (WallRect{41, 58, 64, 63}));
    QCOMPARE(WallRectangle(dots, 1, 1, kLeft), (WallRect{34, 33, 39, 56}));
    QCOMPARE(WallRectangle(dots, 1, 1, kRight), (WallRect{66, 33, 71, 56}));
    QCOMPARE(LetterPosition(WallRectangle(dots, 1, 1, kTop)), (TextPosition{46, 35}));
    // The bar leaves out its far edge: it fills the 23-pixel gap, 5 pixels thick.
    QCOMPARE(WallRectangle(dots, 1, 1, kTop).Width(), 23);
    QCOMPARE(WallRectangle(dots, 1, 1, kTop).Height(), 5);
}

void GeometryTest::WallBarsOfEveryBoxFollowTheLayout() {
    const DotRects dots = StandardDots();
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            const int bx = 32 * x;
            const int by = 32 * y;
            QCOMPARE(WallRectangle(dots, x, y, kTop), (WallRect{bx + 9, by - 6, bx + 32, by - 1}));
            QCOMPARE(WallRectangle(dots, x, y, kBottom),
                     (WallRect{bx + 9, by + 26, bx + 32, by + 31}));
            QCOMPARE(WallRectangle(dots, x, y, kLeft), (WallRect{bx + 2, by + 1, bx + 7, by + 24}));
            QCOMPARE(WallRectangle(dots, x, y, kRight),
                     (WallRect{bx + 34, by + 1, bx + 39, by + 24}));
            QCOMPARE(LetterPosition(WallRectangle(dots, x, y, kTop)),
                     (TextPosition{bx + 14, by + 3}));
        }
    }
}

void GeometryTest::BarsOfTheFarBorderAndOddSides() {
    const DotRects dots = StandardDots();
    QCOMPARE(WallRectangle(dots, 10, 8, kBottom), (WallRect{329, 282, 352, 287}));
    QCOMPARE(WallRectangle(dots, 10, 8, kRight), (WallRect{354, 257, 359, 280}));
    QCOMPARE(WallRectangle(dots, 10, 1, kRight), (WallRect{354, 33, 359, 56}));
    QCOMPARE(WallRectangle(dots, 1, 8, kBottom), (WallRect{41, 282, 64, 287}));
    QCOMPARE(WallRectangle(dots, 1, 1, kLeft | kTop), WallRect{});
    QCOMPARE(WallRectangle(dots, 11, 1, kTop), WallRect{});
    QCOMPARE(WallRectangle(dots, 1, 9, kTop), WallRect{});
}

}  // namespace pennix

QTEST_APPLESS_MAIN(pennix::GeometryTest)
#include "geometry_test.moc"
