// Answering later starts: wiring the one-game claim to the window's replies and its close.
#include "later_starts.h"

#include <QObject>
#include <cstdint>
#include <memory>

#include "desktop/after_queued_input.h"
#include "desktop/game_claim.h"
#include "desktop/termination_signals.h"
#include "ui/frm_main.h"

namespace pennix {

void AnswerLaterStarts(FrmMain& window, GameClaim& claim) {
    claim.WhenStartedAgain([&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    // Once the game has saved for the last time, a new start is a game of its own: brought
    // forward, the closed window would come back and cancel the end.
    QObject::connect(&window, &FrmMain::Leaving, [&claim] { claim.Ending(); });
    claim.EndingWhen(TerminationPending);
    // The window's input waits during the computer's reply, and a close may be waiting with it:
    // a start is answered only once the input held during the last reply has been handled. The
    // mark of a reply that another has followed since (a press held during the first) answers
    // nothing: input held during the later one may still be on its way.
    auto replies = std::make_shared<std::uint64_t>(0);
    QObject::connect(&window, &FrmMain::ReplyStarted, [&claim, replies] {
        ++*replies;
        claim.HoldCalls();
    });
    QObject::connect(&window, &FrmMain::ReplyEnded, [&window, &claim, replies] {
        AfterQueuedInput(window, [&claim, replies, reply = *replies] {
            if (reply == *replies) {
                claim.AnswerCalls();
            }
        });
    });
    QObject::connect(&window, &FrmMain::Closed, [&claim] { claim.Release(); });
}

}  // namespace pennix
