// Centring over a frameless parent and handing the keyboard back to it.
#include "placement.h"

#include <QRect>
#include <QWidget>

namespace pennix {

// Placed by its client area, the window keeps that place whatever frame a window manager adds
// around it, and the game's windows all get the same frame.
void CentreOverParent(QWidget& window) {
    const QWidget* parent = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    if (parent == nullptr || !parent->isVisible()) {
        return;
    }
    QRect placed(QPoint(), window.size());
    placed.moveCenter(parent->geometry().center());
    window.setGeometry(placed);
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
