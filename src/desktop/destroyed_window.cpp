// Watching the X server for the game's windows being destroyed, and closing them as asked.
#include "destroyed_window.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QObject>
#include <QWidget>
#include <QWindow>

#include "xcb_event.h"

namespace pennix {

namespace {

// A child of the main window, so that it stops watching when the game's window goes.
class DestroyedWindowFilter : public QObject, public QAbstractNativeEventFilter {
  public:
    explicit DestroyedWindowFilter(QWidget& main_window)
        : QObject(&main_window), main_window_(main_window) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* /*result*/) override {
        if (XcbEventCode(type, message) == XCB_DESTROY_NOTIFY) {
            WindowDestroyed(static_cast<const xcb_destroy_notify_event_t*>(message)->window);
        }
        return false;
    }

  private:
    // The native window a window has now. Qt makes some anew (a tooltip, each time it shows under
    // a window manager) and destroys the old one, which the widget's own identifier may still
    // name; only the platform window knows the current one.
    static WId NativeWindow(const QWidget& window) {
        const QWindow* handle = window.windowHandle();
        return handle != nullptr && handle->handle() != nullptr ? handle->winId() : 0;
    }

    // Matched against the windows as they are now: a native window Qt let go of itself (a
    // window deleted, or made anew) belongs to no window any more. The close comes later, from
    // the event loop, as a termination signal's does, not in the middle of Qt's own handling of
    // the X server's events; the main window holds it until a reply ends.
    void WindowDestroyed(xcb_window_t native) {
        if (native == NativeWindow(main_window_)) {
            QMetaObject::invokeMethod(qApp, &QApplication::closeAllWindows, Qt::QueuedConnection);
            return;
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (NativeWindow(*window) == native) {
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
