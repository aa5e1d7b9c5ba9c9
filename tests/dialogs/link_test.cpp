// The web links: what they open, the message when that fails, and the note window's addresses.
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

#include "modal.h"
#include "ui/dialogs/build_settings.h"
#include "ui/dialogs/frm_register.h"
#include "ui/dialogs/link_label.h"
#include "ui/dialogs/watched_start.h"

namespace pennix {

using testing::Click;
using testing::TextOf;
using testing::WhenModalOpens;

namespace {

class FakeOpener : public LinkOpener {
  public:
    std::optional<LinkFailure> Open(const QString& address) override {
        opened.append(address);
        return failure;
    }

    QStringList opened;
    std::optional<LinkFailure> failure;
};

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

struct Message {
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

// Reads and closes the next message box.
testing::ModalWatch WhenMessageOpens(Message& message, QWidget* previous = nullptr) {
    return WhenModalOpens(
        [&message](QWidget* opened) {
            auto* box = qobject_cast<QMessageBox*>(opened);
            if (!box) {
                opened->close();
                return;
            }
            message = {box->windowTitle(), box->text(), box->standardButtons()};
            box->button(QMessageBox::Ok)->click();
        },
        previous);
}

}  // namespace

class LinkTest : public QObject {
    Q_OBJECT

  private slots:
    // What the label shows is what it opens, every time it is clicked.
    void linkOpensItsOwnText() {
        QWidget window;
        FakeOpener opener;
        LinkLabel link("https://one.example.org/", &window, opener);
        QTest::mouseClick(&link, Qt::LeftButton);
        QTest::mouseClick(&link, Qt::LeftButton);
        link.setText("https://two.example.org/page");
        QTest::mouseClick(&link, Qt::LeftButton);
        QCOMPARE(opener.opened, QStringList({"https://one.example.org/", "https://one.example.org/",
                                             "https://two.example.org/page"}));
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(link.toolTip(), "Go to my personal home page");
        QVERIFY(link.font().underline());
    }

    // Through the window, so that Qt itself makes the second press a double click: the page
    // opens once for it, and again for a click that comes later.
    void doubleClickOpensThePageOnce() {
        QWidget window;
        FakeOpener opener;
        LinkLabel link("https://one.example.org/", &window, opener);
        link.setGeometry(10, 10, 100, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint on_link = link.geometry().center();
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, on_link);
        QCOMPARE(opener.opened.size(), 1);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, on_link);
        QCOMPARE(opener.opened.size(), 2);
    }

    // Qt makes a press a double click whenever the one before it was close by: after a first
    // press that just missed the link, or a click long after the one that opened it, the double
    // click is a click of its own. Sent directly, as QTest keeps its clicks apart.
    void doubleClickIsAClickUnlessItsFirstClickOpenedThePage() {
        QWidget window;
        FakeOpener opener;
        LinkLabel link("https://one.example.org/", &window, opener);
        link.setGeometry(10, 10, 100, 20);
        const auto send = [&link](QEvent::Type type, quint64 timestamp) {
            const QPointF at(5, 5);
            const Qt::MouseButtons held =
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, at, link.mapToGlobal(at), Qt::LeftButton, held, {});
            event.setTimestamp(timestamp);
            QApplication::sendEvent(&link, &event);
        };
        send(QEvent::MouseButtonDblClick, 1000);  // its first press missed the link
        send(QEvent::MouseButtonRelease, 1050);
        QCOMPARE(opener.opened.size(), 1);
        send(QEvent::MouseButtonPress, 9000);
        send(QEvent::MouseButtonRelease, 9050);
        QCOMPARE(opener.opened.size(), 2);
        send(QEvent::MouseButtonDblClick, 9200);  // the second press of that click
        send(QEvent::MouseButtonRelease, 9250);
        QCOMPARE(opener.opened.size(), 2);
        send(QEvent::MouseButtonDblClick, 20000);  // long after it
        send(QEvent::MouseButtonRelease, 20050);
        QCOMPARE(opener.opened.size(), 3);
        // A press taken off the link before its release opens nothing, and the press after it
        // is the first of a click, whenever the page last opened.
        send(QEvent::MouseButtonPress, 20100);
        QMouseEvent off_the_link(QEvent::MouseButtonRelease, QPointF(500, 5),
                                 link.mapToGlobal(QPointF(500, 5)), Qt::LeftButton, Qt::NoButton,
                                 {});
        off_the_link.setTimestamp(20150);
        QApplication::sendEvent(&link, &off_the_link);
        QCOMPARE(opener.opened.size(), 3);
        send(QEvent::MouseButtonDblClick, 20200);
        send(QEvent::MouseButtonRelease, 20250);
        QCOMPARE(opener.opened.size(), 4);
    }

    void pressWithoutReleaseOnTheLinkOpensNothing() {
        QWidget window;
        FakeOpener opener;
        LinkLabel link("https://one.example.org/", &window, opener);
        link.resize(100, 20);
        QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(150, 5));
        QTest::mouseClick(&link, Qt::RightButton);
        QVERIFY(opener.opened.isEmpty());
    }

    void failureIsReportedWithDescriptionAndNumber() {
        QWidget window;
        window.show();
        FakeOpener opener;
        opener.failure = LinkFailure{"File not found", 53};
        LinkLabel link("https://pennix.example.org/", &window, opener);
        Message message;
        const auto watch = WhenMessageOpens(message);
        QTest::mouseClick(&link, Qt::LeftButton);
        QCOMPARE(message.text,
                 "Unable to load 'https://pennix.example.org/' : File not found "
                 "(Error 53)");
        QCOMPARE(message.title, kApplicationTitle);
        QCOMPARE(message.buttons, QMessageBox::Ok);
        QVERIFY(window.isVisible());
    }

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

    void registerWindowShowsTheAddressesAndItsLinkOpensTheGamePage() {
        QWidget parent;
        parent.show();
        FakeOpener opener;
        QStringList texts;
        QString email_tooltip;
        bool link_underlined = false;
        QStringList opened_by_email;
        const auto watch = WhenModalOpens([&](QWidget* note) {
            for (const char* name :
                 {"lblRegister", "Label1", "Label2", "Label3", "lblWebpage", "Command1"}) {
                texts << TextOf(note, name);
            }
            email_tooltip = note->findChild<QLabel*>("Label2")->toolTip();
            link_underlined = note->findChild<QLabel*>("lblWebpage")->font().underline();
            Click(note, "Label2");
            opened_by_email = opener.opened;
            Click(note, "lblWebpage");
            Click(note, "Command1");
        });
        ShowRegister(&parent, opener);
        QCOMPARE(texts,
                 QStringList({"",
                              "All that I ask, is that if you enjoy this game, please just send "
                              "me an e-mail telling me. Please send any comments you may have to:",
                              kAuthorEmail,
                              "You can also visit me on the world wide web by clicking the link "
                              "below. The link below should automatically start your default web "
                              "browser. If it doesn't sorry. I'm still working out the bugs!",
                              kGamePage, "OK"}));
        QCOMPARE(email_tooltip, "Send me your comments!");
        QVERIFY2(link_underlined, "the link looks like one");
        QVERIFY2(opened_by_email.isEmpty(), "the e-mail address is not a link");
        QCOMPARE(opener.opened, QStringList({kGamePage}));
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

QTEST_MAIN(pennix::LinkTest)
#include "link_test.moc"
