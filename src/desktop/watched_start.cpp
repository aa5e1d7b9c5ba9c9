// posix_spawn rather than QProcess: a QProcess ends its program when it is destroyed, and a
// detached one cannot say how its program ended. A pidfd tells the event loop when the program
// has ended, so that it is reaped at once and no zombie is left, without a thread or a timer.
#include "watched_start.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <optional>
#include <vector>

extern char** environ;

namespace pennix {

namespace {

// Through syscall(): Debian 12's C library declares pidfd_open without C linkage for C++.
int PidfdOpen(pid_t process) {
    return static_cast<int>(::syscall(SYS_pidfd_open, process, 0));
}

// The program starts as a new process would from a desktop: default signal handling, nothing
// blocked, a session of its own so that signals to the game's terminal do not reach it.
class SpawnSettings {
  public:
    SpawnSettings() {
        ::posix_spawnattr_init(&attributes_);
        sigset_t every_signal;
        sigfillset(&every_signal);
        ::posix_spawnattr_setsigdefault(&attributes_, &every_signal);
        sigset_t no_signal;
        sigemptyset(&no_signal);
        ::posix_spawnattr_setsigmask(&attributes_, &no_signal);
        ::posix_spawnattr_setflags(
            &attributes_, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSID);
        ::posix_spawn_file_actions_init(&actions_);
        ::posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    }
    ~SpawnSettings() {
        ::posix_spawn_file_actions_destroy(&actions_);
        ::posix_spawnattr_destroy(&attributes_);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    const posix_spawnattr_t* Attributes() const { return &attributes_; }
    const posix_spawn_file_actions_t* Actions() const { return &actions_; }

  private:
    posix_spawnattr_t attributes_{};
    posix_spawn_file_actions_t actions_{};
};

bool CanWatchProcesses() {
    static const bool can = [] {
        const int own = PidfdOpen(::getpid());
        if (own < 0) {
            return false;
        }
        ::close(own);
        return true;
    }();
    return can;
}

struct Reaped {
    bool ended = false;
    std::optional<int> exit_status;  // none when a signal ended the child, or its status is lost
};

// The system reaps a child itself, and its status is lost, where whoever started the game set
// SIGCHLD to be ignored.
Reaped Reap(pid_t child) {
    int status = 0;
    pid_t reaped = -1;
    do {
        reaped = ::waitpid(child, &status, WNOHANG);
    } while (reaped < 0 && errno == EINTR);
    Reaped result;
    result.ended = reaped != 0;
    if (reaped == child && WIFEXITED(status)) {
        result.exit_status = WEXITSTATUS(status);
    }
    return result;
}

void Watch(pid_t child, EndedHandler ended) {
    const int pidfd = PidfdOpen(child);
    if (pidfd < 0) {
        return;  // cannot happen for a child not yet reaped; it is then merely left unwatched
    }
    auto* notifier =
        new QSocketNotifier(pidfd, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [notifier, pidfd, child, ended = std::move(ended)] {
                         const Reaped reaped = Reap(child);
                         if (!reaped.ended) {
                             return;
                         }
                         // Readable for good now: left on, the notifier would fire forever.
                         notifier->setEnabled(false);
                         notifier->deleteLater();
                         ::close(pidfd);
                         if (ended) {
                             ended(reaped.exit_status);
                         }
                     });
}

}  // namespace

bool StartWatched(const QString& program, const QStringList& arguments, EndedHandler ended) {
    if (!CanWatchProcesses()) {
        return QProcess::startDetached(program, arguments);
    }
    std::vector<QByteArray> texts{program.toLocal8Bit()};
    for (const QString& argument : arguments) {
        texts.push_back(argument.toLocal8Bit());
    }
    std::vector<char*> argv;
    for (QByteArray& text : texts) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);
    const SpawnSettings settings;
    pid_t child = 0;
    if (::posix_spawn(&child, argv[0], settings.Actions(), settings.Attributes(), argv.data(),
                      environ) != 0) {
        return false;
    }
    Watch(child, std::move(ended));
    return true;
}

}  // namespace pennix
