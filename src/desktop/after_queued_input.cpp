// The X server delivers a window's events in the order they came, and Qt handles them in that
// order once input is taken again: a message sent now comes after everything queued before it.
// Qt keeps user input back during the reply but handles other events, so the message is sent
// only once the reply is over.
#include "after_queued_input.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QObject>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>

#include "xcb_event.h"

namespace pennix {

namespace {

constexpr char kMarkName[] = "_PENNIX_AFTER_INPUT";
constexpr char kFilterName[] = "afterQueuedInputMark";

// A child of the window: its actions, and its watch, go with it.
class MarkFilter : public QObject, public QAbstractNativeEventFilter {
  public:
    MarkFilter(QWidget& window, xcb_connection_t* connection, xcb_atom_t mark)
        : QObject(&window), window_(window), connection_(connection), mark_(mark) {
        setObjectName(kFilterName);
        qApp->installNativeEventFilter(this);
    }

    void Send(std::function<void()> action) {
        const std::uint32_t number = next_number_++;
        waiting_.emplace(number, std::move(action));
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = static_cast<xcb_window_t>(window_.winId());
        event.type = mark_;
        event.data.data32[0] = number;
        // No event mask: the X server gives the message to the window's own client, this one. A
        // native window destroyed from outside gets no message, and its mark stays: the game is
        // closing then anyway.
        char bytes[32];
        std::memcpy(bytes, &event, sizeof bytes);
        xcb_send_event(connection_, 0, event.window, XCB_EVENT_MASK_NO_EVENT, bytes);
        xcb_flush(connection_);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* /*result*/) override {
        if (XcbEventCode(type, message) != XCB_CLIENT_MESSAGE) {
            return false;
        }
        const auto* client = static_cast<const xcb_client_message_event_t*>(message);
        if (client->type != mark_ || client->format != 32) {
            return false;
        }
        const auto found = waiting_.find(client->data.data32[0]);
        if (found != waiting_.end()) {
            // Posted, not run here: Qt delivers the input taken in this pass only once it has
            // gone through all of the pass's X events.
            QMetaObject::invokeMethod(&window_, std::move(found->second), Qt::QueuedConnection);
            waiting_.erase(found);
        }
        return true;  // Qt would warn of a message it does not know
    }

  private:
    QWidget& window_;
    xcb_connection_t* connection_;
    xcb_atom_t mark_;
    std::uint32_t next_number_ = 0;
    std::map<std::uint32_t, std::function<void()>> waiting_;
};

xcb_atom_t MarkAtom(xcb_connection_t* connection) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, sizeof kMarkName - 1, kMarkName);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// The window's filter, made at the first call; none where there is no X server to go through.
MarkFilter* FilterFor(QWidget& window) {
    if (auto* made = window.findChild<QObject*>(kFilterName, Qt::FindDirectChildrenOnly)) {
        return static_cast<MarkFilter*>(made);
    }
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr || window.windowHandle() == nullptr) {
        return nullptr;
    }
    const xcb_atom_t mark = MarkAtom(x11->connection());
    if (mark == xcb_atom_t{XCB_ATOM_NONE}) {
        return nullptr;
    }
    return new MarkFilter(window, x11->connection(), mark);
}

}  // namespace

void AfterQueuedInput(QWidget& window, std::function<void()> action) {
    if (MarkFilter* filter = FilterFor(window)) {
        filter->Send(std::move(action));
        return;
    }
    QMetaObject::invokeMethod(&window, std::move(action), Qt::QueuedConnection);
}

}  // namespace pennix
