// Centring over a frameless parent and handing the keyboard back to it.
#include "placement.h"

#include <QRect>
#include <QWidget>

namespace pennix {

// Under a window manager Qt's guess, from the parent's real frame, stands.
void CentreWhereThereIsNoFrame(QWidget& window) {
    const QWidget* parent = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    if (parent == nullptr || !parent->isVisible() ||
        parent->frameGeometry() != parent->geometry()) {
        return;
    }
    QRect placed(QPoint(), window.size());
    placed.moveCenter(parent->geometry().center());
    window.move(placed.topLeft());
}

// Without a window manager the window under a closed dialog would take no keys until clicked.
// Under a window manager this asks for what the manager does anyway.
void HandBackTheKeyboard(const QWidget& window) {
    QWidget* under = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    if (under != nullptr && under->isVisible()) {
        under->activateWindow();
    }
}

}  // namespace pennix
