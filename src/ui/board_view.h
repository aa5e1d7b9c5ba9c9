// The board: paints the dots, the walls, the owners' letters, the wall being blinked, the marks of
// the computer's last turn and the keyboard's wall cursor; turns a press or a key into a wall.
#pragma once

#include <QColor>
#include <QWidget>
#include <optional>
#include <vector>

#include "game/game.h"
#include "wall_cursor.h"

namespace pennix {

class BoardView : public QWidget {
    Q_OBJECT

  public:
    // The board's size: the dots, with the margins the window leaves around them.
    static constexpr QSize kSize{390, 300};
    // The marks' colour: a vermilion that reads on the light green and, for players who do not
    // tell red from green, stays apart from black by its lightness.
    static const QColor kMarkColour;

    BoardView(const Game& game, QWidget* parent);

    const Game& TheGame() const { return game_; }

    // Paints the wall in `colour` over the board until EndBlink, at once: the caller pauses next.
    void ShowBlink(const Wall& wall, const QColor& colour);
    void EndBlink();

    // Walls drawn in the marks' colour rather than black; none clears them.
    void SetMarkedWalls(std::vector<Wall> walls);
    const std::vector<Wall>& MarkedWalls() const { return marked_; }

    Wall Cursor() const { return cursor_; }
    bool CursorShown() const { return cursor_shown_; }
    void MoveCursor(CursorStep step);
    // Draws the wall under the cursor, as a press there would.
    void PressCursor();

    // The board changed: repaints it, and tells assistive technology which walls and boxes did.
    void BoardChanged();
    // Said to assistive technology as the board's description, as a status line's would be.
    void Announce(const QString& text);

  signals:
    // A press, with any button and any modifier, strictly inside the gap of this wall, drawn or
    // not; or Enter or Space on the cursor.
    void WallPressed(pennix::Wall wall);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void PaintWalls(QPainter& painter) const;
    void PaintDots(QPainter& painter) const;
    void PaintCursor(QPainter& painter) const;
    void UpdateCursor();

    const Game& game_;
    std::optional<std::pair<Wall, QColor>> blink_;
    std::vector<Wall> marked_;
    Wall cursor_ = kFirstCursorWall;
    bool cursor_shown_ = false;
    Board shown_;  // what assistive technology was last told
};

}  // namespace pennix
