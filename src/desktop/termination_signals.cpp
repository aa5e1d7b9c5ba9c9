// A signal handler may do next to nothing: it writes one byte to a socket, and the event loop
// that watches the other end does the closing, between two events like any other command.
#include "termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <ctime>

namespace pennix {

namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

int signal_sockets[2] = {-1, -1};

// Signals this close together are one request: a session's end sends SIGTERM and SIGHUP at once.
constexpr std::int64_t kSameRequestNanoseconds = 1'000'000'000;

// Set by a signal, cleared when the event loop takes the request up. Another thread may take a
// signal while one runs the handler, so both are atomic, and must be so without locks.
std::atomic<bool> close_pending{false};
std::atomic<std::int64_t> pending_since{0};
static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<std::int64_t>::is_always_lock_free);

// clock_gettime may be called from a signal handler; the chrono clocks promise nothing there.
std::int64_t MonotonicNanoseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

void NoteSignal(int signal_number) {
    const std::int64_t now = MonotonicNanoseconds();
    if (close_pending.load()) {
        // A request left untaken for a second finds the game stuck: a further signal then ends
        // the program as it would have without this handler (Ctrl+C again, say).
        if (now - pending_since.load() >= kSameRequestNanoseconds) {
            std::signal(signal_number, SIG_DFL);
            std::raise(signal_number);
        }
        return;
    }
    pending_since.store(now);
    close_pending.store(true);
    const int saved_errno = errno;
    const char byte = 1;
    // A byte that does not fit finds others waiting, which wake the loop as well.
    [[maybe_unused]] const ssize_t written = ::write(signal_sockets[0], &byte, 1);
    errno = saved_errno;
}

void CloseWindows() {
    char bytes[64];
    while (::read(signal_sockets[1], bytes, sizeof bytes) > 0) {
    }
    close_pending.store(false);
    // The main window holds a close requested during the computer's reply until the reply ends.
    QApplication::closeAllWindows();
}

// Once the event loop is over nobody would take a request up: the signals end the program again.
void RestoreDefaults() {
    for (const int signal_number : kSignals) {
        struct sigaction current {};
        if (::sigaction(signal_number, nullptr, &current) == 0 &&
            current.sa_handler == NoteSignal) {
            std::signal(signal_number, SIG_DFL);
        }
    }
}

}  // namespace

bool TerminationPending() {
    return close_pending.load();
}

void CloseWindowsOnTerminationSignals() {
    if (signal_sockets[0] != -1) {
        return;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signal_sockets) != 0) {
        return;  // the signals then end the program as before: nothing better can be done
    }
    auto* notifier = new QSocketNotifier(signal_sockets[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, CloseWindows);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, RestoreDefaults);

    struct sigaction action {};
    action.sa_handler = NoteSignal;
    // On one thread the three wait for one another, so that a second one finds the first's mark.
    sigemptyset(&action.sa_mask);
    for (const int signal_number : kSignals) {
        sigaddset(&action.sa_mask, signal_number);
    }
    action.sa_flags = SA_RESTART;
    for (const int signal_number : kSignals) {
        // A signal ignored from the start stays ignored: nohup asks that of SIGHUP, and a shell
        // of SIGINT for a job it runs in the background.
        struct sigaction inherited {};
        if (::sigaction(signal_number, nullptr, &inherited) == 0 &&
            inherited.sa_handler != SIG_IGN) {
            ::sigaction(signal_number, &action, nullptr);
        }
    }
}

}  // namespace pennix
