// The walls and boxes are interfaces without objects of their own, as a table's cells are: the
// board's interface makes them once, registers them, and lets them go with it.
#include "board_accessible.h"

#include <QAccessible>
#include <QCoreApplication>

#include "board_layout.h"
#include "board_view.h"
#include "wall_cursor.h"

namespace pennix {

namespace {

constexpr DotRects kDots = BoardDots();
constexpr int kWallsPerDotRow = kColumns + kDotColumns;  // 10 horizontal, then 11 vertical

QString Tr(const char* text) {
    return QCoreApplication::translate("BoardAccessible", text);
}

QString DrawnText(char drawer) {
    switch (drawer) {
        case kHuman:
            return Tr(QT_TRANSLATE_NOOP("BoardAccessible", "drawn by you"));
        case kComputer:
            return Tr(QT_TRANSLATE_NOOP("BoardAccessible", "drawn by me"));
        default:
            return Tr(QT_TRANSLATE_NOOP("BoardAccessible", "drawn"));
    }
}

QString OwnerText(char owner) {
    switch (owner) {
        case kHuman:
            return Tr(QT_TRANSLATE_NOOP("BoardAccessible", "yours"));
        case kComputer:
            return Tr(QT_TRANSLATE_NOOP("BoardAccessible", "mine"));
        default:
            return Tr(QT_TRANSLATE_NOOP("BoardAccessible", "nobody's yet"));
    }
}

// A wall or a box of the board: what it is called, where it lies, and whether it is drawn or owned.
class PartAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    PartAccessible(BoardAccessible* board, int index) : board_(board), index_(index) {}

    bool isValid() const override { return board_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_->window(); }
    QAccessibleInterface* parent() const override { return board_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    bool IsWall() const { return index_ < kWallCount; }

    QAccessible::Role role() const override {
        return IsWall() ? QAccessible::CheckBox : QAccessible::Cell;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) {
            return {};
        }
        return IsWall() ? WallName() : BoxName();
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        const BoardView* view = board_->Board();
        if (IsWall()) {
            const Wall wall = WallOfChild(index_);
            state.checkable = true;
            state.checked = IsDrawn(view->TheGame().Board(), wall);
            state.focusable = true;
            state.focused = view->hasFocus() && SameWall(view->Cursor(), wall);
        }
        state.invisible = !view->isVisible();
        return state;
    }

    QRect rect() const override {
        const BoardView* view = board_->Board();
        const WallRect area = IsWall() ? GapRectangle(kDots, WallOfChild(index_)) : BoxArea();
        return {view->mapToGlobal(QPoint(area.x1, area.y1)), QSize(area.Width(), area.Height())};
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface && IsWall()
                   ? static_cast<QAccessibleActionInterface*>(this)
                   : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && IsWall()) {
            emit board_->Board()->WallPressed(WallOfChild(index_));
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    // "Row 3, between dots 4 and 5: drawn by me", counting dots from the top left.
    QString WallName() const {
        const Wall wall = WallOfChild(index_);
        const bool horizontal = wall.side == kTop || wall.side == kBottom;
        const int row = wall.side == kBottom ? wall.y + 1 : wall.y;
        const int column = wall.side == kRight ? wall.x + 1 : wall.x;
        const QString place =
            horizontal
                ? Tr(QT_TRANSLATE_NOOP("BoardAccessible", "Row %1, between dots %2 and %3"))
                      .arg(row)
                      .arg(column)
                      .arg(column + 1)
                : Tr(QT_TRANSLATE_NOOP("BoardAccessible", "Column %1, between dots %2 and %3"))
                      .arg(column)
                      .arg(row)
                      .arg(row + 1);
        const BoardView* view = board_->Board();
        const QString drawn = IsDrawn(view->TheGame().Board(), wall)
                                  ? DrawnText(view->TheGame().DrawnBy(wall))
                                  : Tr(QT_TRANSLATE_NOOP("BoardAccessible", "free"));
        return place + ": " + drawn;
    }

    // "Box in row 2, column 3: yours".
    QString BoxName() const {
        const int box = index_ - kWallCount;
        const int x = box % kColumns + 1;
        const int y = box / kColumns + 1;
        const char owner = board_->Board()->TheGame().Board()(x, y).Owner;
        return Tr(QT_TRANSLATE_NOOP("BoardAccessible", "Box in row %1, column %2")).arg(y).arg(x) +
               ": " + OwnerText(owner);
    }

    WallRect BoxArea() const {
        const int box = index_ - kWallCount;
        const DotRect& top_left = kDots[TopLeftDot(box % kColumns + 1, box / kColumns + 1)];
        const DotRect& bottom_right = kDots[TopLeftDot(box % kColumns + 2, box / kColumns + 2)];
        return {top_left.left, top_left.top, bottom_right.Right(), bottom_right.Bottom()};
    }

    BoardAccessible* board_;
    int index_;
};

QAccessibleInterface* MakeBoardInterface(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("pennix::BoardView")) {
        return new BoardAccessible(static_cast<BoardView*>(object));
    }
    return nullptr;
}

}  // namespace

Wall WallOfChild(int index) {
    const int dot_row = index / kWallsPerDotRow;
    const int place = index % kWallsPerDotRow;
    if (place < kColumns) {
        return dot_row < kRows ? MakeWall(place + 1, dot_row + 1, kTop)
                               : MakeWall(place + 1, kRows, kBottom);
    }
    const int dot_column = place - kColumns;
    return dot_column < kColumns ? MakeWall(dot_column + 1, dot_row + 1, kLeft)
                                 : MakeWall(kColumns, dot_row + 1, kRight);
}

int ChildOfWall(const Wall& wall) {
    switch (wall.side) {
        case kTop:
            return (wall.y - 1) * kWallsPerDotRow + wall.x - 1;
        case kBottom:
            return wall.y * kWallsPerDotRow + wall.x - 1;
        case kLeft:
            return (wall.y - 1) * kWallsPerDotRow + kColumns + wall.x - 1;
        default:
            return (wall.y - 1) * kWallsPerDotRow + kColumns + wall.x;
    }
}

BoardAccessible::BoardAccessible(BoardView* board) : QAccessibleWidget(board, QAccessible::Table) {}

BoardAccessible::~BoardAccessible() {
    for (QAccessibleInterface* part : children_) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(part));
    }
}

BoardView* BoardAccessible::Board() const {
    return static_cast<BoardView*>(widget());
}

void BoardAccessible::MakeChildren() const {
    if (!children_.empty()) {
        return;
    }
    auto* self = const_cast<BoardAccessible*>(this);
    for (int i = 0; i < kWallCount + kBoxChildren; ++i) {
        auto* part = new PartAccessible(self, i);
        QAccessible::registerAccessibleInterface(part);
        children_.push_back(part);
    }
}

int BoardAccessible::childCount() const {
    return kWallCount + kBoxChildren;
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    MakeChildren();
    return children_[static_cast<std::size_t>(index)];
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    MakeChildren();
    const auto found = std::find(children_.begin(), children_.end(), child);
    return found == children_.end() ? -1 : static_cast<int>(found - children_.begin());
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        if (child(i)->rect().contains(x, y)) {
            return child(i);
        }
    }
    return nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    const BoardView* board = Board();
    return board->hasFocus() ? child(ChildOfWall(board->Cursor())) : nullptr;
}

QAccessibleInterface* BoardAccessible::WallInterface(BoardView* board, const Wall& wall) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(board);
    return interface != nullptr ? interface->child(ChildOfWall(wall)) : nullptr;
}

void UseBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(MakeBoardInterface);
        return true;
    }();
    (void)installed;
}

// A wall drawn changes its name and its checked state; a box taken, its name.
void TellChanges(BoardView* board, const Board& before, const Board& after) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(board);
    if (interface == nullptr) {
        return;
    }
    for (int i = 0; i < kWallCount; ++i) {
        const Wall wall = WallOfChild(i);
        if (IsDrawn(before, wall) != IsDrawn(after, wall)) {
            QAccessibleEvent named(interface->child(i), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&named);
            QAccessible::State checked;
            checked.checked = true;
            QAccessibleStateChangeEvent changed(interface->child(i), checked);
            QAccessible::updateAccessibility(&changed);
        }
    }
    for (int box = 0; box < kBoxes; ++box) {
        const int x = box % kColumns + 1;
        const int y = box / kColumns + 1;
        if (before(x, y).Owner != after(x, y).Owner) {
            QAccessibleEvent named(interface->child(kWallCount + box), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&named);
        }
    }
}

}  // namespace pennix
