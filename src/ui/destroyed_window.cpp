#include "destroyed_window.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QObject>
#include <QWidget>

namespace pennix {

namespace {

// A child of the main window, so that it stops watching when the game's window goes.
class DestroyedWindowFilter : public QObject, public QAbstractNativeEventFilter {
  public:
    explicit DestroyedWindowFilter(QWidget& main_window)
        : QObject(&main_window), main_window_(main_window) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* /*result*/) override {
        if (type != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_DESTROY_NOTIFY) {
            WindowDestroyed(static_cast<const xcb_destroy_notify_event_t*>(message)->window);
        }
        return false;
    }

  private:
    // Matched against the windows as they are now: a native window Qt let go of itself (a
    // window deleted, or made anew) belongs to no window any more. The close comes later, from
    // the event loop, as a termination signal's does, not in the middle of Qt's own handling of
    // the X server's events; the main window holds it until a reply ends.
    void WindowDestroyed(xcb_window_t native) {
        if (native == main_window_.internalWinId()) {
            QMetaObject::invokeMethod(qApp, &QApplication::closeAllWindows, Qt::QueuedConnection);
            return;
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->internalWinId() == native) {
                QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
            }
        }
    }

    QWidget& main_window_;
};

}  // namespace

void CloseWindowsDestroyedFromOutside(QWidget& main_window) {
    qApp->installNativeEventFilter(new DestroyedWindowFilter(main_window));
}

}  // namespace pennix
