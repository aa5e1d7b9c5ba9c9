// Reaching a modal window from a test while the call that opened it waits for it to close.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QTimer;
class QWidget;

namespace pennix::testing {

// Hands the next modal window to open (other than `previous`) to a handler, from the event loop
// that window runs, for as long as the watch lives and at most five seconds. The handler should
// read what it needs and close the window; checks belong after the opening call has returned,
// so that a failed check cannot leave a window open.
class ModalWatch {
  public:
    ModalWatch(std::function<void(QWidget*)> handle, QWidget* previous);
    ~ModalWatch();
    ModalWatch(const ModalWatch&) = delete;
    ModalWatch& operator=(const ModalWatch&) = delete;

  private:
    std::unique_ptr<QTimer> timer_;
};

[[nodiscard]] inline ModalWatch WhenModalOpens(std::function<void(QWidget*)> handle,
                                               QWidget* previous = nullptr) {
    return ModalWatch(std::move(handle), previous);
}

// The text of the window's label or button with that object name, or "<missing>".
QString TextOf(const QWidget* window, const char* name);

// A left click on the window's child with that object name.
void Click(QWidget* window, const char* name);

}  // namespace pennix::testing
