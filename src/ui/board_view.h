// The board: paints the dots, the walls, the owners' letters and the wall being blinked, and turns
// a press on a gap into the wall it names.
#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

#include "game/game.h"

namespace pennix {

class BoardView : public QWidget {
    Q_OBJECT

  public:
    // The board's size: the dots, with the margins the window leaves around them.
    static constexpr QSize kSize{390, 300};

    BoardView(const Game& game, QWidget* parent);

    // Paints the wall in `colour` over the board until EndBlink, at once: the caller pauses next.
    void ShowBlink(const Wall& wall, const QColor& colour);
    void EndBlink();

  signals:
    // A press, with any button and any modifier, strictly inside the gap of this wall, drawn or
    // not.
    void WallPressed(pennix::Wall wall);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void PaintWalls(QPainter& painter) const;
    void PaintDots(QPainter& painter) const;

    const Game& game_;
    std::optional<std::pair<Wall, QColor>> blink_;
};

}  // namespace pennix
