// The main window with what the program wires it to: the settings file at start-up and at exit,
// the termination signals, later starts, the help menu's windows and the link under the board.
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <utility>

#include "app/later_starts.h"
#include "desktop/game_claim.h"
#include "desktop/termination_signals.h"
#include "ui/checked_options.h"
#include "ui/dialogs/help_window.h"
#include "ui/look/link_label.h"
#include "ui/main_window.h"

namespace pennix {
namespace {

class RecordingOpener : public LinkOpener {
  public:
    std::optional<LinkFailure> Open(const QString& address) override {
        opened << address;
        return std::nullopt;
    }
    QStringList opened;
};

}  // namespace

class MainWindowWiringTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void FirstStartWritesTheDefaultsAndChecksHardAndFast();
    void StartUpRestoresLevelSpeedAndMatchScore();
    void StartUpTakesOnlyExactNamesAndWritesNothingWhenALevelIsStored();
    void ExitAndTheCloseBoxBothSaveTheChecksAndTheScore();
    void ResetScoresReachesTheFileAtExit();
    void TerminationSignalsCloseAndSaveAsExitDoes();
    void TerminationSignalDuringTheReplySavesAfterIt();
    void SignalsTogetherAreOneRequestAndOnlyAStuckGameEndsUnsaved();
    void AnEndWithoutACloseSavesUnlessACloseHasSaved();
    void AFailedSaveIsToldOnStandardError();
    void EachHelpEntryOpensItsWindow();
    void TheLinkOpensTheAddressItShows();
    void LaterStartsWaitForTheTurnAndAreGamesAfterTheClose();
    void AStartWhileACloseWaitsIsTheGameOnceTheCloseHasSaved();
    void AStartWhileATerminationSignalWaitsIsTheGameOnceTheCloseHasSaved();

  private:
    QString SettingsPath() const { return directory_->filePath("pennix.ini"); }
    void Write(const QByteArray& text);
    QByteArray Read() const;
    void Open();
    // Opens the window as the game does: holding the claim on its file, answering later starts.
    void OpenAnsweringLaterStarts();
    QString Checked() const { return CheckedOptions(*window_); }
    QAction* Entry(const char* name) const { return window_->findChild<QAction*>(name); }
    // Triggers the entry and returns the objectName of the modal window it opened, closed again,
    // and what its score line, if it has one, showed.
    QString ModalOpenedBy(const char* entry);
    // A later start for the file, on a thread of Qt's own not started yet: `is_first` becomes 1
    // when it is the game, 0 when it is not.
    static std::unique_ptr<QThread> LaterStart(const std::filesystem::path& file,
                                               std::atomic<int>& is_first);
    static void ProcessEventsFor(std::chrono::milliseconds time);

    std::unique_ptr<QTemporaryDir> directory_;
    std::unique_ptr<MainWindow> window_;
    RecordingOpener links_;
    std::optional<GameClaim> instance_;
};

void MainWindowWiringTest::init() {
    directory_ = std::make_unique<QTemporaryDir>();
    QVERIFY(directory_->isValid());
}

void MainWindowWiringTest::cleanup() {
    window_.reset();
    instance_.reset();
    directory_.reset();
}

void MainWindowWiringTest::Write(const QByteArray& text) {
    QFile file(SettingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray MainWindowWiringTest::Read() const {
    QFile file(SettingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

void MainWindowWiringTest::Open() {
    window_ = std::make_unique<MainWindow>(SettingsPath().toStdString(),
                                           DesktopServices{links_, [] { return false; }});
}

std::unique_ptr<QThread> MainWindowWiringTest::LaterStart(const std::filesystem::path& file,
                                                          std::atomic<int>& is_first) {
    return std::unique_ptr<QThread>(
        QThread::create([file, &is_first] { is_first = GameClaim(file).MayStart() ? 1 : 0; }));
}

void MainWindowWiringTest::ProcessEventsFor(std::chrono::milliseconds time) {
    const auto deadline = std::chrono::steady_clock::now() + time;
    while (std::chrono::steady_clock::now() < deadline) {
        QCoreApplication::processEvents();
    }
}

void MainWindowWiringTest::OpenAnsweringLaterStarts() {
    Open();
    instance_.emplace(SettingsPath().toStdString());
    QVERIFY(instance_->MayStart());
    AnswerLaterStarts(*window_, *instance_);
}

QString MainWindowWiringTest::ModalOpenedBy(const char* entry) {
    QString seen;
    QTimer::singleShot(0, [&seen] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen = modal->objectName();
            if (const auto* score = modal->findChild<QLabel*>("lblScore")) {
                seen += ": " + score->text();
            }
            modal->close();
        }
    });
    Entry(entry)->trigger();
    return seen;
}

void MainWindowWiringTest::FirstStartWritesTheDefaultsAndChecksHardAndFast() {
    Open();
    QCOMPARE(Checked(), QString("mnuHard mnuSpeedFast"));
    QCOMPARE(window_->CurrentGame().HumanWins(), std::int16_t{0});
    QCOMPARE(Read(),
             QByteArray("[Options]\r\nLevel=Hard\r\nSpeed=Fast\r\n[Score]\r\nYou=0\r\nMe=0\r\n"
                        "[Message]\r\nText=Hello, world!\r\n"));
}

void MainWindowWiringTest::StartUpRestoresLevelSpeedAndMatchScore() {
    Write("[Options]\nLevel=Easy\nSpeed=Slow\n[Score]\nYou= 7\nMe=-2\n");
    Open();
    QCOMPARE(Checked(), QString("mnuEasy mnuSpeedSlow"));
    QCOMPARE(window_->CurrentGame().HumanWins(), std::int16_t{7});
    QCOMPARE(window_->CurrentGame().ComputerWins(), std::int16_t{-2});
}

void MainWindowWiringTest::StartUpTakesOnlyExactNamesAndWritesNothingWhenALevelIsStored() {
    const QByteArray stored = "[Options]\nLevel=easy\n";
    Write(stored);
    Open();
    QCOMPARE(Checked(), QString("mnuGenius mnuSpeedFast"));
    QCOMPARE(Read(), stored);
}

void MainWindowWiringTest::ExitAndTheCloseBoxBothSaveTheChecksAndTheScore() {
    for (const bool by_menu : {true, false}) {
        Write("[Options]\nLevel=Hard\nSpeed=Fast\n[Score]\nYou= 3\nMe= 4\n");
        Open();
        window_->show();
        const QSignalSpy closed(window_.get(), &MainWindow::Closed);
        Entry("mnuGenius")->trigger();
        Entry("mnuSpeedMedium")->trigger();
        if (by_menu) {
            Entry("mnuExit")->trigger();
        } else {
            window_->close();
        }
        QCOMPARE(closed.count(), 1);
        QCOMPARE(Read(), QByteArray("[Options]\nLevel=Genius\nSpeed=Medium\n[Score]\nYou= 3\n"
                                    "Me= 4\n[Message]\nText=Hello, world!\n"));
    }
}

void MainWindowWiringTest::ResetScoresReachesTheFileAtExit() {
    const QByteArray stored = "[Options]\nLevel=Hard\nSpeed=Fast\n[Score]\nYou= 9\nMe=-4\n";
    Write(stored);
    Open();
    window_->show();
    QTimer::singleShot(0, [] {
        if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            question->button(QMessageBox::Yes)->click();
        }
    });
    Entry("mnuResetscores")->trigger();
    QCOMPARE(Read(), stored);  // nothing is written before the exit
    window_->close();
    QCOMPARE(Read(), QByteArray("[Options]\nLevel=Hard\nSpeed=Fast\n[Score]\nYou= 0\nMe= 0\n"
                                "[Message]\nText=Hello, world!\n"));
}

// Logging out, Ctrl+C, a closed terminal or kill: the window closes as on File > Exit, and a
// modal window open at the time closes first. The last SIGTERM finds the handling still in place.
void MainWindowWiringTest::TerminationSignalsCloseAndSaveAsExitDoes() {
    CloseWindowsOnTerminationSignals();
    for (const int signal_number : {SIGTERM, SIGINT, SIGHUP, SIGTERM}) {
        Write("[Options]\nLevel=Hard\nSpeed=Fast\n[Score]\nYou= 3\nMe= 4\n");
        Open();
        window_->show();
        Entry("mnuSpeedSlow")->trigger();
        if (signal_number == SIGHUP) {
            QTimer::singleShot(0, [] { std::raise(SIGHUP); });
            Entry("mnuAbout")->trigger();  // returns when the About window has been closed
        } else {
            std::raise(signal_number);
            QVERIFY(TerminationPending());  // later starts are told the game is ending
        }
        QTRY_VERIFY(!window_->isVisible());
        QVERIFY(!TerminationPending());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(Read(), QByteArray("[Options]\nLevel=Hard\nSpeed=Slow\n[Score]\nYou= 3\n"
                                    "Me= 4\n[Message]\nText=Hello, world!\n"));
    }
}

// A session's end sends SIGTERM and SIGHUP at once: one request, saved like any other. A further
// signal ends the program unsaved only once a request has waited a second: a child process plays
// the stuck game, as it never returns to the event loop.
void MainWindowWiringTest::SignalsTogetherAreOneRequestAndOnlyAStuckGameEndsUnsaved() {
    CloseWindowsOnTerminationSignals();
    Write("[Options]\nLevel=Hard\nSpeed=Fast\n[Score]\nYou= 3\nMe= 4\n");
    Open();
    window_->show();
    std::raise(SIGTERM);
    std::raise(SIGHUP);
    std::raise(SIGINT);
    QTRY_VERIFY(!window_->isVisible());
    QVERIFY(Read().contains("You= 3\nMe= 4\n"));

    const auto stuck_game_status = [](const std::function<void()>& send_signals) {
        const pid_t child = ::fork();
        if (child == 0) {
            send_signals();
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return status;
    };
    const int together = stuck_game_status([] {
        std::raise(SIGTERM);
        std::raise(SIGHUP);
    });
    QVERIFY(WIFEXITED(together));
    const int repeated = stuck_game_status([] {
        std::raise(SIGINT);
        std::this_thread::sleep_for(std::chrono::milliseconds(1100));
        std::raise(SIGINT);
    });
    QVERIFY(WIFSIGNALED(repeated));
    QCOMPARE(WTERMSIG(repeated), SIGINT);
    // The children's requests reached this process's end of the socket; no window is left to close.
    QTest::qWait(10);
}

// The signal comes during a Slow reply: the reply ends at once, unblinked, and the game saves.
void MainWindowWiringTest::TerminationSignalDuringTheReplySavesAfterIt() {
    CloseWindowsOnTerminationSignals();
    Open();
    window_->show();
    Entry("mnuSpeedSlow")->trigger();
    const QSignalSpy closed(window_.get(), &MainWindow::Closed);
    auto* board = window_->findChild<QWidget*>("board");
    QTest::mouseClick(board, Qt::LeftButton, {}, {52, 28});
    QVERIFY(window_->Busy());
    std::raise(SIGTERM);
    QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 1500);
    QCOMPARE(window_->CurrentGame().CurrentPlayer(), kHuman);
    QVERIFY(!window_->isVisible());
    QVERIFY(Read().contains("Speed=Slow"));
}

void MainWindowWiringTest::AnEndWithoutACloseSavesUnlessACloseHasSaved() {
    Write("[Options]\nLevel=Hard\nSpeed=Fast\n[Score]\nYou= 3\nMe= 4\n");
    Open();
    window_->show();
    Entry("mnuSpeedSlow")->trigger();
    window_->SaveSettingsUnlessClosed();
    QCOMPARE(Read(), QByteArray("[Options]\nLevel=Hard\nSpeed=Slow\n[Score]\nYou= 3\nMe= 4\n"
                                "[Message]\nText=Hello, world!\n"));
    window_->close();
    Write("[Options]\nLevel=Easy\n");  // as another copy of the game might leave it
    window_->SaveSettingsUnlessClosed();
    QCOMPARE(Read(), QByteArray("[Options]\nLevel=Easy\n"));
}

void MainWindowWiringTest::AFailedSaveIsToldOnStandardError() {
    Write("a file where a folder should be");
    const QString unwritable = SettingsPath() + "/pennix.ini";
    window_ = std::make_unique<MainWindow>(unwritable.toStdString(),
                                           DesktopServices{links_, [] { return false; }});
    window_->show();
    QTemporaryFile error_output;
    QVERIFY(error_output.open());
    const int standard_error = ::dup(STDERR_FILENO);
    ::dup2(error_output.handle(), STDERR_FILENO);
    window_->close();
    ::dup2(standard_error, STDERR_FILENO);
    ::close(standard_error);
    QFile written(error_output.fileName());  // the shared descriptor stands at the end
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(),
             "pennix: the settings and score could not be saved to " + unwritable.toUtf8() + "\n");
}

void MainWindowWiringTest::EachHelpEntryOpensItsWindow() {
    Open();
    window_->show();
    window_->CurrentGame().SetMatchScore(3, 1);
    QCOMPARE(ModalOpenedBy("mnuAbout"), QString("frmAbout"));
    QCOMPARE(ModalOpenedBy("mnuAuthor"), QString("frmAuthor"));
    QCOMPARE(ModalOpenedBy("mnuScores"), QString("frmScore: You  3 - Me  1"));
    QCOMPARE(ModalOpenedBy("mnuRegister"), QString("frmRegister"));
    for (const auto& [entry, page] :
         {std::pair{"mnuHelp2", "Contents"}, {"mnuHelpIndex", "Index"}}) {
        Entry(entry)->trigger();
        auto* help = window_->findChild<HelpWindow*>();
        QVERIFY2(help != nullptr && help->isVisible(), entry);
        QCOMPARE(help->Browser()->documentTitle(), QString(page));
        help->close();
    }
}

void MainWindowWiringTest::TheLinkOpensTheAddressItShows() {
    Open();
    window_->show();
    auto* link = window_->findChild<LinkLabel*>("lblWebpage");
    QVERIFY(link != nullptr);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(links_.opened, QStringList{link->text()});
}

// A start made while the computer plays is answered once the window is idle again, as a close
// may come meanwhile. Once the window has closed, a start is a game of its own.
void MainWindowWiringTest::LaterStartsWaitForTheTurnAndAreGamesAfterTheClose() {
    OpenAnsweringLaterStarts();
    const std::filesystem::path file = SettingsPath().toStdString();
    emit window_->ComputerTurnStarted();
    std::atomic<int> later_is_first{-1};
    const std::unique_ptr<QThread> later = LaterStart(file, later_is_first);
    later->start();
    ProcessEventsFor(std::chrono::milliseconds(300));
    QVERIFY2(later_is_first == -1, "a start was answered during the computer's turn");
    emit window_->Idle();
    QTRY_VERIFY_WITH_TIMEOUT(later->isFinished(), 10000);
    QCOMPARE(later_is_first.load(), 0);
    QVERIFY(window_->isVisible());  // brought forward
    window_->close();
    QVERIFY(GameClaim(file).MayStart());
}

// A close requested while a question is open waits for its answer; a start made meanwhile must
// not be told that the window comes forward, as the window is about to go: it waits, and is the
// game once the closing one has saved.
void MainWindowWiringTest::AStartWhileACloseWaitsIsTheGameOnceTheCloseHasSaved() {
    OpenAnsweringLaterStarts();
    window_->show();
    const std::filesystem::path file = SettingsPath().toStdString();
    std::atomic<int> later_is_first{-1};
    const std::unique_ptr<QThread> later = LaterStart(file, later_is_first);
    int answered_under_the_question = -2;
    bool open_under_the_question = false;
    QTimer::singleShot(0, [&] {
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (question == nullptr) {
            return;
        }
        window_->close();
        later->start();
        ProcessEventsFor(std::chrono::milliseconds(300));
        answered_under_the_question = later_is_first;
        open_under_the_question = window_->isVisible();
        question->button(QMessageBox::No)->click();
    });
    Entry("mnuResetscores")->trigger();
    QCOMPARE(answered_under_the_question, -1);
    QVERIFY(open_under_the_question);
    QVERIFY(!window_->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(later->isFinished(), 10000);
    QCOMPARE(later_is_first.load(), 1);
}

// A termination signal the event loop has not taken up yet is an end all the same: a start that
// calls meanwhile must not be told that a window about to close comes forward.
void MainWindowWiringTest::AStartWhileATerminationSignalWaitsIsTheGameOnceTheCloseHasSaved() {
    CloseWindowsOnTerminationSignals();
    OpenAnsweringLaterStarts();
    window_->show();
    const std::filesystem::path file = SettingsPath().toStdString();
    // The signal's notice waits behind the call, as when both come in one turn of the event loop.
    const QList<QSocketNotifier*> notices =
        qApp->findChildren<QSocketNotifier*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(notices.size(), 1);
    notices.front()->setEnabled(false);
    std::raise(SIGTERM);
    std::atomic<int> later_is_first{-1};
    const std::unique_ptr<QThread> later = LaterStart(file, later_is_first);
    later->start();
    ProcessEventsFor(std::chrono::milliseconds(300));
    const int answered_before_the_close = later_is_first;
    notices.front()->setEnabled(true);
    QTRY_VERIFY(!window_->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(later->isFinished(), 10000);
    QCOMPARE(answered_before_the_close, -1);
    QCOMPARE(later_is_first.load(), 1);
}

}  // namespace pennix

QTEST_MAIN(pennix::MainWindowWiringTest)
#include "wiring_test.moc"
