#include "destroyed_window.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QObject>
#include <QWidget>

namespace pennix {

namespace {

// A child of the window, so that it stops watching when the window goes.
class DestroyedWindowFilter : public QObject, public QAbstractNativeEventFilter {
  public:
    explicit DestroyedWindowFilter(QWidget& window) : QObject(&window), window_(window) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* /*result*/) override {
        if (type != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY) {
            return false;
        }
        // Compared at each event: a native window Qt itself made anew has another identifier,
        // and the one it let go of is no reason to end.
        const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
        if (destroyed->window == window_.internalWinId()) {
            // Later, from the event loop, as a termination signal is: not in the middle of Qt's
            // own handling of the X server's events. The main window holds it until a reply ends.
            QMetaObject::invokeMethod(qApp, &QApplication::closeAllWindows, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    QWidget& window_;
};

}  // namespace

void CloseWhenDestroyedFromOutside(QWidget& window) {
    qApp->installNativeEventFilter(new DestroyedWindowFilter(window));
}

}  // namespace pennix
