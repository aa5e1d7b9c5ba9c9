// One of the board's dots: a small filled circle that lets presses through to the board.
#pragma once

#include <QColor>
#include <QWidget>

namespace pennix {

class DotShape : public QWidget {
  public:
    DotShape(QWidget* parent, QColor colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
};

}  // namespace pennix
