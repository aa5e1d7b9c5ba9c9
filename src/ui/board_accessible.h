// What assistive technology reads of the board: one object with the 178 walls and the 80 boxes as
// children, each named in plain words and saying whether it is drawn or owned, and by whom.
#pragma once

#include <QAccessibleWidget>
#include <memory>
#include <vector>

#include "game/board.h"

namespace pennix {

class BoardView;

class BoardAccessible : public QAccessibleWidget {
  public:
    static constexpr int kBoxChildren = kBoxes;

    explicit BoardAccessible(BoardView* board);
    ~BoardAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    BoardView* Board() const;

    // The wall's child of the board's interface; null when assistive technology is not active.
    static QAccessibleInterface* WallInterface(BoardView* board, const Wall& wall);

  private:
    void MakeChildren() const;

    mutable std::vector<QAccessibleInterface*> children_;
};

// Children 0..177 are the walls, row of dots by row of dots: the horizontal walls of a row left
// to right, then the vertical walls below it; the boxes follow, row by row.
Wall WallOfChild(int index);
int ChildOfWall(const Wall& wall);

// Makes the board's interface the one Qt hands out for BoardView; call before the first board.
void UseBoardAccessibility();

// Tells assistive technology which walls and boxes changed between the two boards.
void TellChanges(BoardView* board, const Board& before, const Board& after);

}  // namespace pennix
