// One game per settings file: the claim, the hand-over to the first game, and its release.
#include "ui/single_instance.h"

#include <poll.h>
#include <pthread.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace pennix {

class SingleInstanceTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(directory_.isValid()); }

    void ALaterStartForTheSameFileBringsTheFirstForward() {
        SingleInstance first(File("pennix.ini"));
        int asked = 0;
        first.WhenStartedAgain([&asked] { ++asked; });
        QVERIFY(first.MayStart());

        // The same file by another path is the same game.
        QVERIFY(QFile::link(directory_.path(), directory_.filePath("alias")));
        QVERIFY(!MayStartAgain(File("alias/pennix.ini")));
        QTRY_COMPARE(asked, 1);
        QVERIFY(!MayStartAgain(File("pennix.ini")));
        QTRY_COMPARE(asked, 2);
    }

    // A game saving before it ends takes no call; when it ends with the call still waiting, the
    // start that called is the game, rather than ending as if handed over to a game about to
    // vanish.
    void AStartIsTheGameWhenTheGameItCalledEndsWithTheCallWaiting() {
        const int listener = Listen(SingleInstance::ClaimName(File("pennix.ini")));
        QVERIFY(listener >= 0);
        std::thread ending([listener] {
            AwaitCall(listener, std::chrono::seconds(10));
            ::close(listener);
        });
        const SingleInstance start(File("pennix.ini"));
        ending.join();
        QVERIFY(start.MayStart());
        QVERIFY(!MayStartAgain(File("pennix.ini")));
    }

    // A start made while the open game is ending (its close waits for the computer's reply, or a
    // termination signal waits for the event loop) waits until that game has saved and let go,
    // and is then the game.
    void AStartWhileTheGameIsEndingIsTheNextGame() {
        for (const bool signalled : {false, true}) {
            std::optional<SingleInstance> ending(std::in_place, File("pennix.ini"));
            int asked = 0;
            ending->WhenStartedAgain([&asked] { ++asked; });
            if (signalled) {
                ending->EndingWhen([] { return true; });
            } else {
                ending->Ending();
            }
            std::atomic<int> later_is_first{-1};
            const std::unique_ptr<QThread> later = StartLater(later_is_first);
            ProcessEventsFor(std::chrono::milliseconds(300));
            QVERIFY2(later_is_first == -1, "the later start did not wait for the game to end");
            ending.reset();
            QVERIFY(later->wait(10000));
            QCOMPARE(later_is_first.load(), 1);
            QCOMPARE(asked, 0);
        }
    }

    // While the computer replies, a close may wait among the held input: a start's call waits
    // unanswered until the reply is over, and is then told what the game does by then.
    void CallsHeldDuringAReplyAreAnsweredAfterIt() {
        for (const bool closed_meanwhile : {false, true}) {
            std::optional<SingleInstance> first(std::in_place, File("pennix.ini"));
            int asked = 0;
            first->WhenStartedAgain([&asked] { ++asked; });
            first->HoldCalls();
            std::atomic<int> later_is_first{-1};
            const std::unique_ptr<QThread> later = StartLater(later_is_first);
            ProcessEventsFor(std::chrono::milliseconds(300));
            QVERIFY2(later_is_first == -1, "a call was answered during the reply");
            if (closed_meanwhile) {
                first->Ending();
            }
            first->AnswerCalls();
            if (closed_meanwhile) {
                QTest::qWait(100);
                first.reset();
            }
            QTRY_VERIFY_WITH_TIMEOUT(later->isFinished(), 10000);
            QCOMPARE(later_is_first.load(), closed_meanwhile ? 1 : 0);
            QCOMPARE(asked, closed_meanwhile ? 0 : 1);
        }
    }

    // Until the game says so, a close requested from outside is not an end: later starts bring
    // the window forward.
    void AGameNotAboutToEndComesForward() {
        SingleInstance first(File("pennix.ini"));
        int asked = 0;
        first.WhenStartedAgain([&asked] { ++asked; });
        first.EndingWhen([] { return false; });
        QVERIFY(!MayStartAgain(File("pennix.ini")));
        QTRY_COMPARE(asked, 1);
    }

    // A game that stays on its way out longer than a start waits: the start is not the game (two
    // would save over each other), nor was anything brought forward.
    void AStartGivesUpOnAGameThatTakesTooLongToEnd() {
        SingleInstance ending(File("pennix.ini"));
        ending.Ending();
        std::atomic<bool> done{false};
        bool first = true;
        bool handed_over = true;
        bool unanswered = true;
        std::unique_ptr<QThread> later(QThread::create([&] {
            const SingleInstance start(File("pennix.ini"), std::chrono::seconds(1));
            first = start.MayStart();
            handed_over = start.HandedOver();
            unanswered = start.Unanswered();
            done = true;
        }));
        later->start();
        QTRY_VERIFY_WITH_TIMEOUT(done, 10000);
        later->wait();
        QVERIFY(!first);
        QVERIFY(!handed_over);
        QVERIFY(!unanswered);
    }

    // A game that answers nothing for a while may be saving on a slow disk: the start waits, and
    // is the game once that one has let go of the file. One that never answers holds the file.
    void AGameSlowToAnswerIsWaitedFor() {
        for (const bool lets_go : {true, false}) {
            const int listener = Listen(SingleInstance::ClaimName(File("pennix.ini")));
            QVERIFY(listener >= 0);
            std::thread saving([listener, lets_go] {
                AwaitCall(listener, std::chrono::seconds(10));
                // Longer than a start waits for an answer before it says it is waiting.
                std::this_thread::sleep_for(std::chrono::milliseconds(2500));
                if (lets_go) {
                    ::close(listener);
                }
            });
            const SingleInstance start(File("pennix.ini"), std::chrono::seconds(lets_go ? 30 : 1));
            saving.join();
            if (!lets_go) {
                ::close(listener);
            }
            QCOMPARE(start.MayStart(), lets_go);
            QVERIFY(!start.HandedOver());
            QCOMPARE(start.Unanswered(), !lets_go);
        }
    }

    // A start whose whole wait is over still gives the game it calls the moment a game needs to
    // answer, rather than giving up on a game that is there and answers.
    void AStartWithNoWaitLeftStillHearsAPromptAnswer() {
        const int listener = Listen(SingleInstance::ClaimName(File("pennix.ini")));
        QVERIFY(listener >= 0);
        std::thread answering([listener] {
            AnswerComingAfter(listener,
                              [] { std::this_thread::sleep_for(std::chrono::milliseconds(500)); });
        });
        const SingleInstance start(File("pennix.ini"), std::chrono::seconds(0));
        answering.join();
        ::close(listener);
        QVERIFY(start.HandedOver());
        QVERIFY(!start.MayStart());
    }

    // A game that takes each call without an answer, as an earlier version of the game does,
    // holds the file all the same.
    void AGameThatTakesCallsWithoutAnAnswerHoldsTheFile() {
        const int listener = Listen(SingleInstance::ClaimName(File("pennix.ini")));
        QVERIFY(listener >= 0);
        std::atomic<bool> stop{false};
        std::thread silent([listener, &stop] { TakeEveryCall(listener, stop, std::nullopt); });
        const SingleInstance start(File("pennix.ini"));
        stop = true;
        silent.join();
        ::close(listener);
        QVERIFY(!start.MayStart());
    }

    // A name freed with every call and taken again before the start can have it is games coming
    // and going: the start stays out rather than wait on them for ever.
    void AStartGivesUpOnANameThatKeepsChangingHands() {
        const int listener = Listen(SingleInstance::ClaimName(File("pennix.ini")));
        QVERIFY(listener >= 0);
        std::atomic<bool> stop{false};
        // "Ending", then a hang-up: to the start, that game has let go of the name.
        const char ending = 2;
        std::thread ending_each_time(
            [listener, &stop, ending] { TakeEveryCall(listener, stop, ending); });
        const SingleInstance start(File("pennix.ini"));
        stop = true;
        ending_each_time.join();
        ::close(listener);
        QVERIFY(!start.MayStart());
        QVERIFY(!start.HandedOver());
        QVERIFY(!start.Unanswered());
    }

    // A claim given up and taken again in the same process may get the same descriptor: the
    // first one's end must not close the second one's claim.
    void AReleasedClaimLeavesTheNextClaimAlone() {
        std::optional<SingleInstance> released(std::in_place, File("pennix.ini"));
        released->Release();
        const SingleInstance next(File("pennix.ini"));
        QVERIFY(next.MayStart());
        released.reset();
        QVERIFY(!MayStartAgain(File("pennix.ini")));
    }

    // Starts made while the computer replies may wait longer than a call takes to be queued: all
    // of them are answered afterwards, and none runs beside the game.
    void SeveralStartsHeldThroughALongReplyAllStayOut() {
        SingleInstance first(File("pennix.ini"));
        int asked = 0;
        first.WhenStartedAgain([&asked] { ++asked; });
        first.HoldCalls();
        std::atomic<int> is_first[3] = {-1, -1, -1};
        std::vector<std::unique_ptr<QThread>> starts;
        for (std::atomic<int>& result : is_first) {
            starts.push_back(StartLater(result));
        }
        // Longer than a start gives its call to be queued.
        ProcessEventsFor(std::chrono::milliseconds(2500));
        first.AnswerCalls();
        for (const std::unique_ptr<QThread>& start : starts) {
            QTRY_VERIFY_WITH_TIMEOUT(start->isFinished(), 10000);
        }
        for (const std::atomic<int>& result : is_first) {
            QCOMPARE(result.load(), 0);
        }
        QVERIFY(asked >= 1);
    }

    // A signal that reaches a start while it waits for the answer does not cut the wait short.
    void ASignalDuringTheWaitDoesNotEndIt() {
        struct sigaction quiet {};
        quiet.sa_handler = [](int) {};  // no SA_RESTART: the wait is interrupted
        struct sigaction before {};
        QVERIFY(::sigaction(SIGUSR1, &quiet, &before) == 0);
        const int listener = Listen(SingleInstance::ClaimName(File("pennix.ini")));
        QVERIFY(listener >= 0);
        const pthread_t starting = ::pthread_self();
        std::thread answering([listener, starting] {
            // Well within the two seconds a start gives a game to answer, on a busy machine too.
            AnswerComingAfter(listener, [starting] {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                ::pthread_kill(starting, SIGUSR1);
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
            });
        });
        // No wait beyond the first answer's: an interrupted wait would end the start there.
        const SingleInstance start(File("pennix.ini"), std::chrono::seconds(0));
        answering.join();
        ::close(listener);
        ::sigaction(SIGUSR1, &before, nullptr);
        QVERIFY(start.HandedOver());
    }

    // A start that finds the name taken, and then nobody listening on it, as when the game that
    // held it ends in between, takes the name itself: a game without the claim would let the next
    // start run beside it.
    void AStartTakesTheNameFreedBeforeItsCall() {
        const int bound = Bind(SingleInstance::ClaimName(File("pennix.ini")));
        QVERIFY(bound >= 0);
        std::thread ending([bound] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            ::close(bound);
        });
        const SingleInstance start(File("pennix.ini"));
        ending.join();
        QVERIFY(start.MayStart());
        QVERIFY(!MayStartAgain(File("pennix.ini")));
    }

    // A link to a file not made yet: the first game makes it, and a later start reaches it
    // through the link or directly.
    void ALinkToAFileNotMadeYetIsThatFilesGame() {
        QVERIFY(QDir(directory_.path()).mkdir("store"));
        QVERIFY(QFile::link("store/real.ini", directory_.filePath("pennix.ini")));
        const SingleInstance first(File("pennix.ini"));
        QVERIFY(first.MayStart());
        QFile made(directory_.filePath("store/real.ini"));
        QVERIFY(made.open(QIODevice::WriteOnly));
        made.close();
        QVERIFY(!MayStartAgain(File("pennix.ini")));
        QVERIFY(!MayStartAgain(File("store/real.ini")));
    }

    void AnotherFileIsAnotherGame() {
        const SingleInstance first(File("pennix.ini"));
        const SingleInstance other(File("other/pennix.ini"));
        QVERIFY(first.MayStart());
        QVERIFY(other.MayStart());
    }

    void TheFileIsFreeOnceTheFirstGameHasEnded() {
        std::optional<SingleInstance> first(std::in_place, File("pennix.ini"));
        QVERIFY(first->MayStart());
        first.reset();
        const SingleInstance next(File("pennix.ini"));
        QVERIFY(next.MayStart());
    }

    // A name held by another user is not a game to hand over to: this one runs.
    // Also when that user has filled the name's queue of calls, so that no call gets through to
    // learn who holds it.
    void ANameHeldByAnotherUserIsNoGame() {
        if (::geteuid() != 0) {
            QSKIP("only root can hold a name as another user");
        }
        const std::string name = SingleInstance::ClaimName(File("pennix.ini"));
        for (const bool queue_full : {false, true}) {
            int ready[2];
            int done[2];
            QVERIFY(::pipe(ready) == 0 && ::pipe(done) == 0);
            const pid_t child = ::fork();
            if (child == 0) {
                HoldAsNobody(name, queue_full, ready[1], done[0]);
            }
            char byte = 0;
            const bool held = ::read(ready[0], &byte, 1) == 1 && byte == 1;
            const SingleInstance game(File("pennix.ini"));
            [[maybe_unused]] const ssize_t written = ::write(done[1], &byte, 1);
            int status = 0;
            ::waitpid(child, &status, 0);
            for (const int end : {ready[0], ready[1], done[0], done[1]}) {
                ::close(end);
            }
            QVERIFY2(held, "the other user could not take the name");
            QVERIFY(game.MayStart());
        }
    }

    // Abstract names carry no permissions: another user's call is neither answered nor a reason
    // to bring the window forward.
    void ACallFromAnotherUserIsNotAnswered() {
        if (::geteuid() != 0) {
            QSKIP("only root can call as another user");
        }
        const passwd* nobody = ::getpwnam("nobody");
        QVERIFY(nobody != nullptr);
        SingleInstance first(File("pennix.ini"));
        int asked = 0;
        first.WhenStartedAgain([&asked] { ++asked; });
        int heard[2];
        QVERIFY(::pipe(heard) == 0);
        const pid_t child = ::fork();
        if (child == 0) {
            CallAs(nobody->pw_uid, nobody->pw_gid, SingleInstance::ClaimName(File("pennix.ini")),
                   heard[1]);
        }
        ::close(heard[1]);
        char outcome = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        pollfd report{heard[0], POLLIN, 0};
        while (::poll(&report, 1, 5) == 0 && std::chrono::steady_clock::now() < deadline) {
            QCoreApplication::processEvents();
        }
        [[maybe_unused]] const ssize_t got = ::read(heard[0], &outcome, 1);
        ::close(heard[0]);
        ::waitpid(child, nullptr, 0);
        QCOMPARE(outcome, 'h');
        QCOMPARE(asked, 0);
    }

    // With no descriptor left to take a call with, the game leaves later starts unanswered
    // rather than spin on a call it cannot take, also when a reply ends.
    void NoDescriptorForACallStopsTheAnswering() {
        SingleInstance first(File("pennix.ini"));
        int looks = 0;
        first.EndingWhen([&looks] {
            ++looks;
            return false;
        });
        const SocketAddress address = AddressOf(SingleInstance::ClaimName(File("pennix.ini")));
        const int call = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        QVERIFY(call >= 0);
        rlimit before{};
        QVERIFY(::getrlimit(RLIMIT_NOFILE, &before) == 0);
        const auto restore = qScopeGuard([&before] { ::setrlimit(RLIMIT_NOFILE, &before); });
        const int lowest_free = ::dup(0);  // every number below it is taken
        ::close(lowest_free);
        rlimit exhausted = before;
        exhausted.rlim_cur = static_cast<rlim_t>(lowest_free);
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &exhausted) == 0);
        QVERIFY(::connect(call, reinterpret_cast<const sockaddr*>(&address.address),
                          address.length) == 0);
        QTRY_VERIFY(looks > 0);
        ProcessEventsFor(std::chrono::milliseconds(300));  // a game that spins would look again
        const int looks_at_first = looks;
        first.HoldCalls();
        first.AnswerCalls();
        ProcessEventsFor(std::chrono::milliseconds(300));
        ::close(call);
        QCOMPARE(looks_at_first, 1);
        QCOMPARE(looks, 1);
    }

  private:
    struct SocketAddress {
        sockaddr_un address{};
        socklen_t length = 0;
    };

    // The claim's name as an address in the abstract namespace.
    static SocketAddress AddressOf(const std::string& name) {
        SocketAddress result;
        result.address.sun_family = AF_UNIX;
        std::memcpy(result.address.sun_path + 1, name.data(), name.size());
        result.length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
        return result;
    }

    // In a child process: becomes user nobody, listens on the name (with its queue of calls
    // filled, if asked), says so on `ready` and waits for a byte on `done`.
    [[noreturn]] static void HoldAsNobody(const std::string& name, bool queue_full, int ready,
                                          int done) {
        const passwd* nobody = ::getpwnam("nobody");
        const SocketAddress address = AddressOf(name);
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool held =
            nobody != nullptr && ::setgid(nobody->pw_gid) == 0 && ::setuid(nobody->pw_uid) == 0 &&
            ::bind(socket, reinterpret_cast<const sockaddr*>(&address.address), address.length) ==
                0 &&
            ::listen(socket, queue_full ? 0 : 8) == 0 && (!queue_full || FillQueue(address));
        const char byte = held ? 1 : 0;
        // The parent reads no byte as "not held", and ends the wait by writing or by ending.
        [[maybe_unused]] ssize_t moved = ::write(ready, &byte, 1);
        char ignored = 0;
        moved = ::read(done, &ignored, 1);
        ::_exit(0);
    }

    // In a child process: becomes the user, calls the name and reports on `report` what came
    // back: 'b' a byte, 'h' a hang-up without one, 't' nothing within 20 s, 'f' no call made.
    [[noreturn]] static void CallAs(uid_t user, gid_t group, const std::string& name, int report) {
        const SocketAddress address = AddressOf(name);
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        char outcome = 'f';
        if (::setgid(group) == 0 && ::setuid(user) == 0 &&
            ::connect(socket, reinterpret_cast<const sockaddr*>(&address.address),
                      address.length) == 0) {
            pollfd answer{socket, POLLIN, 0};
            char byte = 0;
            outcome = ::poll(&answer, 1, 20000) != 1     ? 't'
                      : ::recv(socket, &byte, 1, 0) == 1 ? 'b'
                                                         : 'h';
        }
        [[maybe_unused]] const ssize_t moved = ::write(report, &outcome, 1);
        ::_exit(0);
    }

    // Queues one call that nobody takes: a queue of length 0 is then full. The call is left open.
    static bool FillQueue(const SocketAddress& address) {
        const int call = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        return ::connect(call, reinterpret_cast<const sockaddr*>(&address.address),
                         address.length) == 0;
    }

    // A socket bound to the claim's name that does not listen (yet); -1 when the name cannot be
    // had.
    static int Bind(const std::string& name) {
        const SocketAddress address = AddressOf(name);
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (::bind(socket, reinterpret_cast<const sockaddr*>(&address.address), address.length) !=
            0) {
            ::close(socket);
            return -1;
        }
        return socket;
    }

    // A listening socket under the claim's name, standing in for a game that handles calls its
    // own way; -1 when the name cannot be had.
    static int Listen(const std::string& name) {
        const int socket = Bind(name);
        if (socket >= 0 && ::listen(socket, 8) != 0) {
            ::close(socket);
            return -1;
        }
        return socket;
    }

    // Whether a call waits on the listener within the time.
    static bool AwaitCall(int listener, std::chrono::milliseconds time) {
        pollfd call{listener, POLLIN, 0};
        return ::poll(&call, 1, static_cast<int>(time.count())) == 1;
    }

    // Takes every call on the listener until `stop`, hanging up after the answer if there is one.
    static void TakeEveryCall(int listener, const std::atomic<bool>& stop,
                              std::optional<char> answer) {
        while (!stop) {
            if (AwaitCall(listener, std::chrono::milliseconds(50))) {
                const int call = ::accept(listener, nullptr, nullptr);
                if (answer) {
                    (void)::send(call, &*answer, 1, MSG_NOSIGNAL);
                }
                ::close(call);
            }
        }
    }

    // Takes the first call on the listener and answers that the game comes forward once
    // `meanwhile` has run, as a game slow to answer would.
    static void AnswerComingAfter(int listener, const std::function<void()>& meanwhile) {
        if (AwaitCall(listener, std::chrono::seconds(10))) {
            const int call = ::accept(listener, nullptr, nullptr);
            meanwhile();
            const char coming = 1;
            (void)::send(call, &coming, 1, MSG_NOSIGNAL);
            ::close(call);
        }
    }

    // A later start for pennix.ini on a thread of Qt's own (once it is the game, it listens with a
    // socket notifier): `later_is_first` becomes 1 when it is the game, 0 when it is not.
    std::unique_ptr<QThread> StartLater(std::atomic<int>& later_is_first) const {
        std::unique_ptr<QThread> later(QThread::create([this, &later_is_first] {
            later_is_first = SingleInstance(File("pennix.ini")).MayStart() ? 1 : 0;
        }));
        later->start();
        return later;
    }

    static void ProcessEventsFor(std::chrono::milliseconds time) {
        const auto deadline = std::chrono::steady_clock::now() + time;
        while (std::chrono::steady_clock::now() < deadline) {
            QCoreApplication::processEvents();
        }
    }

    // A later start, as another process would make it, while this one's event loop answers.
    static bool MayStartAgain(const std::filesystem::path& file) {
        auto later =
            std::async(std::launch::async, [file] { return SingleInstance(file).MayStart(); });
        while (later.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
            QCoreApplication::processEvents();
        }
        return later.get();
    }

    std::filesystem::path File(const QString& name) const {
        return directory_.filePath(name).toStdString();
    }

    QTemporaryDir directory_;
};

}  // namespace pennix

QTEST_GUILESS_MAIN(pennix::SingleInstanceTest)
#include "single_instance_test.moc"
