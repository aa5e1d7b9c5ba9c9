// A signal handler may do next to nothing: it writes one byte to a socket, and the event loop
// that watches the other end does the closing, between two events like any other command.
#include "termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

namespace pennix {

namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

int signal_sockets[2] = {-1, -1};
// Set by a signal, cleared when the event loop takes the request up.
volatile std::sig_atomic_t close_pending = 0;

void NoteSignal(int signal_number) {
    // A second signal while the first is still untaken finds the game stuck: it then ends the
    // program as it would have without this handler (Ctrl+C twice, say).
    if (close_pending != 0) {
        std::signal(signal_number, SIG_DFL);
        std::raise(signal_number);
        return;
    }
    close_pending = 1;
    const int saved_errno = errno;
    const char byte = 1;
    (void)::write(signal_sockets[0], &byte, 1);
    errno = saved_errno;
}

void CloseWindows() {
    char bytes[64];
    while (::read(signal_sockets[1], bytes, sizeof bytes) > 0) {
    }
    close_pending = 0;
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
    // The three wait for one another, so that a second one always finds the first one's mark.
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
