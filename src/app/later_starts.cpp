// Answering later starts: wiring the single-game claim to the window's turns and its close.
#include "later_starts.h"

#include <QObject>

#include "desktop/game_claim.h"
#include "desktop/termination_signals.h"
#include "ui/main_window.h"

namespace pennix {

void AnswerLaterStarts(MainWindow& window, GameClaim& claim) {
    claim.WhenStartedAgain([&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    // Once the game has saved for the last time, a new start is a game of its own: brought
    // forward, the closed window would come back and cancel the end.
    QObject::connect(&window, &MainWindow::Leaving, [&claim] { claim.Ending(); });
    claim.EndingWhen(TerminationPending);
    QObject::connect(&window, &MainWindow::ComputerTurnStarted, [&claim] { claim.HoldCalls(); });
    QObject::connect(&window, &MainWindow::Idle, [&claim] { claim.AnswerCalls(); });
    QObject::connect(&window, &MainWindow::Closed, [&claim] { claim.Release(); });
}

}  // namespace pennix
