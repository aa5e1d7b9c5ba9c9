// The termination signals: what the game was started ignoring stays ignored, and once the event
// loop is over the signals end the program again. The loop's end comes last: nothing can follow.
#include "desktop/termination_signals.h"

#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <csignal>

namespace pennix {

class TerminationSignalsTest : public QObject {
    Q_OBJECT

  private slots:
    // nohup asks for SIGHUP to be ignored, and a shell asks it of SIGINT for a job it runs in the
    // background: the terminal's end or a Ctrl+C meant for another job must not close the game.
    void SignalsIgnoredAtStartStayIgnored() {
        std::signal(SIGHUP, SIG_IGN);
        CloseWindowsOnTerminationSignals();
        QWidget window;
        window.show();
        std::raise(SIGHUP);
        QTest::qWait(50);
        QVERIFY(window.isVisible());
        QVERIFY(!TerminationPending());
        QVERIFY(!EndsTheProgram(SIGTERM));  // taken as a close instead
    }

    // Nobody takes a close up once the event loop is over: a Ctrl+C during the last save must
    // end the program rather than be swallowed.
    void TheSignalsEndTheProgramAgainOnceTheEventLoopIsOver() {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(EndsTheProgram(SIGTERM));
        QVERIFY(EndsTheProgram(SIGINT));
        QVERIFY(!EndsTheProgram(SIGHUP));  // still ignored
    }

  private:
    // Whether the signal would end this process now: a child, which inherits its handling,
    // raises it.
    static bool EndsTheProgram(int signal_number) {
        const pid_t child = ::fork();
        if (child == 0) {
            std::raise(signal_number);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFSIGNALED(status) && WTERMSIG(status) == signal_number;
    }
};

}  // namespace pennix

QTEST_MAIN(pennix::TerminationSignalsTest)
#include "termination_signals_test.moc"
