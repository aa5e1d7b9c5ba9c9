// Answering later starts: wiring the single-game claim to the window's turns and its close.
#include "later_starts.h"

#include <QObject>

#include "ui/main_window.h"
#include "ui/single_instance.h"
#include "ui/termination_signals.h"

namespace pennix {

void AnswerLaterStarts(MainWindow& window, SingleInstance& instance) {
    instance.WhenStartedAgain([&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    // Once the game has saved for the last time, a new start is a game of its own: brought
    // forward, the closed window would come back and cancel the end.
    QObject::connect(&window, &MainWindow::Leaving, [&instance] { instance.Ending(); });
    instance.EndingWhen(TerminationPending);
    QObject::connect(&window, &MainWindow::ComputerTurnStarted,
                     [&instance] { instance.HoldCalls(); });
    QObject::connect(&window, &MainWindow::Idle, [&instance] { instance.AnswerCalls(); });
    QObject::connect(&window, &MainWindow::Closed, [&instance] { instance.Release(); });
}

}  // namespace pennix
