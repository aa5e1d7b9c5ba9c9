// Answering later starts: wiring the single-game claim to the window's replies and its close.
#include "later_starts.h"

#include <QObject>
#include <cstdint>
#include <memory>

#include "after_queued_input.h"
#include "frm_main.h"
#include "single_instance.h"
#include "termination_signals.h"

namespace pennix {

void AnswerLaterStarts(FrmMain& window, SingleInstance& instance) {
    instance.WhenStartedAgain([&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    // Once the game has saved for the last time, a new start is a game of its own: brought
    // forward, the closed window would come back and cancel the end.
    QObject::connect(&window, &FrmMain::Leaving, [&instance] { instance.Ending(); });
    instance.EndingWhen(TerminationPending);
    // The window's input waits during the computer's reply, and a close may be waiting with it:
    // a start is answered only once the input held during the last reply has been handled. The
    // mark of a reply that another has followed since (a press held during the first) answers
    // nothing: input held during the later one may still be on its way.
    auto replies = std::make_shared<std::uint64_t>(0);
    QObject::connect(&window, &FrmMain::ReplyStarted, [&instance, replies] {
        ++*replies;
        instance.HoldCalls();
    });
    QObject::connect(&window, &FrmMain::ReplyEnded, [&window, &instance, replies] {
        AfterQueuedInput(window, [&instance, replies, reply = *replies] {
            if (reply == *replies) {
                instance.AnswerCalls();
            }
        });
    });
    QObject::connect(&window, &FrmMain::Closed, [&instance] { instance.Release(); });
}

}  // namespace pennix
