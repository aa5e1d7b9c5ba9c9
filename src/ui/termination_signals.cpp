// A signal handler may do next to nothing: it writes one byte to a socket, and the event loop
// that watches the other end does the closing, between two events like any other command.
#include "termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace pennix {

namespace {

int signal_sockets[2] = {-1, -1};

void NoteSignal(int) {
    const int saved_errno = errno;
    const char byte = 1;
    // A full socket already holds a request to close, so a lost byte changes nothing.
    (void)::write(signal_sockets[0], &byte, 1);
    errno = saved_errno;
}

void CloseWindows() {
    char bytes[64];
    while (::read(signal_sockets[1], bytes, sizeof bytes) > 0) {
    }
    // The main window holds a close requested during the computer's reply until the reply ends.
    QApplication::closeAllWindows();
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

    struct sigaction action {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal_number : {SIGTERM, SIGINT, SIGHUP}) {
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
