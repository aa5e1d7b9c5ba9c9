// The desktop's link opener: what it hands xdg-open, what it refuses, and its late failures.
#include "desktop/desktop_link_opener.h"

#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <csignal>

#include "desktop/watched_start.h"
#include "ui/dialogs/build_settings.h"

namespace pennix {

namespace {

// A stand-in for xdg-open in a folder of its own: it notes the arguments it is given, one per
// line after their count, and ends with the status it was made with, or by the signal.
class FakeXdgOpen {
  public:
    explicit FakeXdgOpen(int status, const QString& folder = {})
        : FakeXdgOpen("exit " + QString::number(status), folder) {}
    static FakeXdgOpen KilledBy(const char* signal) {
        return FakeXdgOpen(QString("kill -%1 $$").arg(signal), {});
    }

    FakeXdgOpen(const QString& ending, const QString& folder) {
        folder_ = folder.isEmpty() ? directory_.path() : folder;
        QFile script(folder_ + "/xdg-open");
        script.open(QIODevice::WriteOnly);
        script.write(QString("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" >> '%1'\n%2\n")
                         .arg(Record(), ending)
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString Folder() const { return folder_; }
    QString Record() const { return directory_.filePath("opened"); }
    QStringList Opened() const {
        QFile record(Record());
        if (!record.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(record.readAll()).split('\n', Qt::SkipEmptyParts);
    }

  private:
    QTemporaryDir directory_;
    QString folder_;
};

}  // namespace

class DesktopLinkOpenerTest : public QObject {
    Q_OBJECT

  private slots:
    void desktopOpenerRefusesWhatIsNotAWebAddress_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("empty") << "";
        QTest::newRow("words") << "not an address";
        QTest::newRow("local file") << "file:///etc/passwd";
        QTest::newRow("script") << "javascript:alert(1)";
        QTest::newRow("mail") << "mailto:pennix@example.com";
        QTest::newRow("no host") << "https://";
        QTest::newRow("relative") << "pennix.example.org/game";
    }

    void desktopOpenerRefusesWhatIsNotAWebAddress() {
        QFETCH(QString, address);
        const FakeXdgOpen xdg_open(0);
        DesktopLinkOpener opener(xdg_open.Folder());
        const std::optional<LinkFailure> failure = opener.Open(address);
        QVERIFY(failure.has_value());
        QCOMPARE(failure->number, DesktopLinkOpener::kNotWebAddress);
        QTest::qWait(50);
        QVERIFY(xdg_open.Opened().isEmpty());
    }

    // Each address reaches xdg-open whole, as one argument, even one that looks like an option.
    void desktopOpenerHandsWebAddressesToXdgOpen() {
        const FakeXdgOpen xdg_open(0);
        DesktopLinkOpener opener("relative:" + xdg_open.Folder());
        int late_failures = 0;
        const auto failed_later = [&late_failures](const LinkFailure&) { ++late_failures; };
        QVERIFY(!opener.OpenWatched("https://pennix.example.org/game/", failed_later));
        QTRY_COMPARE(xdg_open.Opened().size(), 2);
        QVERIFY(!opener.OpenWatched("HTTP://pennix.example.org/a%20b;$(x)", failed_later));
        QTRY_COMPARE(xdg_open.Opened(), QStringList({"1", "https://pennix.example.org/game/", "1",
                                                     "http://pennix.example.org/a%20b;$(x)"}));
        QTest::qWait(100);
        QCOMPARE(late_failures, 0);
    }

    // No xdg-open but in the folder the game was started from, or none at all: nothing runs, and
    // the failure is known at once.
    void desktopOpenerWithoutXdgOpenSaysSo() {
        QTemporaryDir current;
        const FakeXdgOpen in_current_folder(0, current.path());
        const QString previous = QDir::currentPath();
        QDir::setCurrent(current.path());
        const std::optional<LinkFailure> failure =
            DesktopLinkOpener(".::bin").Open("https://pennix.example.org/");
        QDir::setCurrent(previous);
        QVERIFY(failure.has_value());
        QCOMPARE(failure->number, DesktopLinkOpener::kNoBrowser);
        QTest::qWait(50);
        QVERIFY(in_current_folder.Opened().isEmpty());
    }

    // xdg-open that finds no browser ends with a failure: the message comes when it has ended,
    // and neither waits for its OK nor blocks the window, as it may come while the computer
    // replies.
    void xdgOpenThatFindsNoBrowserIsReportedWhenItEnds() {
        QWidget window;
        window.show();
        const FakeXdgOpen xdg_open(3);
        DesktopLinkOpener opener(xdg_open.Folder());
        OpenLink(&window, "https://pennix.example.org/", opener);
        // Were the message to wait for its OK, the wait below would never see it: close it then.
        QTimer::singleShot(4000, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        });
        QMessageBox* box = nullptr;
        QTRY_VERIFY((box = window.findChild<QMessageBox*>()) != nullptr && box->isVisible());
        QCOMPARE(box->text(),
                 "Unable to load 'https://pennix.example.org/' : No program to "
                 "open web addresses could be started (Error 2)");
        QCOMPARE(box->windowTitle(), kApplicationTitle);
        // Presses made meanwhile still reach the board, and it never keeps the game running.
        QCOMPARE(box->windowModality(), Qt::NonModal);
        QVERIFY(!box->testAttribute(Qt::WA_QuitOnClose));
        const QPointer<QMessageBox> closed(box);
        box->button(QMessageBox::Ok)->click();
        QTRY_VERIFY(closed.isNull());
    }

    // A browser that xdg-open ran itself and that a signal ended (closed with the session, say)
    // did show the page: no message, even hours after the click.
    void xdgOpenEndedByASignalIsNoFailure() {
        const FakeXdgOpen xdg_open = FakeXdgOpen::KilledBy("TERM");
        DesktopLinkOpener opener(xdg_open.Folder());
        int late_failures = 0;
        QVERIFY(!opener.OpenWatched("https://pennix.example.org/",
                                    [&late_failures](const LinkFailure&) { ++late_failures; }));
        QTRY_COMPARE(xdg_open.Opened().size(), 2);
        QTest::qWait(200);
        QCOMPARE(late_failures, 0);
    }

    // Started by a parent that ignores SIGCHLD, the game never learns how a program ended, as
    // the system reaps it; the watch must end all the same, leaving no descriptor open behind a
    // notifier that would fire for ever.
    void aWatchEndsWhenTheSystemReapedTheProgram() {
        const auto open_descriptors = [] { return QDir("/proc/self/fd").entryList().size(); };
        const auto before = open_descriptors();
        std::signal(SIGCHLD, SIG_IGN);
        int ended = 0;
        QVERIFY(StartWatched("/bin/sh", {"-c", "sleep 0.2"},
                             [&ended](std::optional<int>) { ++ended; }));
        QTRY_COMPARE(ended, 1);
        std::signal(SIGCHLD, SIG_DFL);
        QTRY_COMPARE(open_descriptors(), before);
    }

    // The browser behind a link starts as one started from the desktop would: in a session of
    // its own, so that Ctrl+C or a hang-up in the game's terminal does not end it; reading
    // nothing of the game's input; with no signal ignored or blocked because the game was
    // started with it so (by nohup, say).
    void aProgramStartedForALinkStandsApartFromTheGame() {
        QTemporaryDir folder;
        const QString record = folder.filePath("seen");
        // The signal masks are read by the shell's own process, become sed: read from a child,
        // they would catch the shell blocking signals around the fork.
        const QString script =
            QString(
                "set -- $(cat /proc/$$/stat); echo \"$1 $6\" > '%1'; "
                "readlink /proc/$$/fd/0 >> '%1'; "
                "exec sed -n 's/^\\(SigBlk\\|SigIgn\\):[[:space:]]*//p' /proc/self/status >> '%1'")
                .arg(record);
        sigset_t blocked;
        sigset_t previous;
        sigemptyset(&blocked);
        sigaddset(&blocked, SIGUSR1);
        ::pthread_sigmask(SIG_BLOCK, &blocked, &previous);
        const auto hang_up = std::signal(SIGHUP, SIG_IGN);
        // The game's own input is a file meanwhile, where a test runner may have given it none.
        QTemporaryFile game_input;
        QVERIFY(game_input.open());
        const int standard_input = ::dup(STDIN_FILENO);
        ::dup2(game_input.handle(), STDIN_FILENO);
        int ended = 0;
        const bool started =
            StartWatched("/bin/sh", {"-c", script}, [&ended](std::optional<int>) { ++ended; });
        ::dup2(standard_input, STDIN_FILENO);
        ::close(standard_input);
        std::signal(SIGHUP, hang_up);
        ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        QVERIFY(started);
        QTRY_COMPARE(ended, 1);
        QFile seen(record);
        QVERIFY(seen.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(seen.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        const QStringList process_and_session = lines[0].split(' ');
        QCOMPARE(process_and_session.size(), 2);
        QCOMPARE(process_and_session[1], process_and_session[0]);  // it leads a session of its own
        QCOMPARE(lines[1], "/dev/null");
        // Signals 1 to 31, each a bit from the lowest; the C library keeps some above for itself.
        const auto ordinary = [](const QString& mask) {
            return mask.toULongLong(nullptr, 16) & 0x7fffffffULL;
        };
        QCOMPARE(ordinary(lines[2]), 0ULL);  // blocked
        QCOMPARE(ordinary(lines[3]), 0ULL);  // ignored
    }

    // A build configured with an address the opener refuses would have links that never work.
    void configuredAddressesAreWebAddresses() {
        const FakeXdgOpen xdg_open(0);
        QVERIFY(!DesktopLinkOpener(xdg_open.Folder()).Open(kAuthorPage).has_value());
        QVERIFY(!DesktopLinkOpener(xdg_open.Folder()).Open(kGamePage).has_value());
        QTRY_COMPARE(xdg_open.Opened().size(), 4);
        QVERIFY(QString(kAuthorEmail).contains('@'));
    }
};

}  // namespace pennix

QTEST_MAIN(pennix::DesktopLinkOpenerTest)
#include "desktop_link_opener_test.moc"
