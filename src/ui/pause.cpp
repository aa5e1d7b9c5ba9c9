// Waiting on the steady clock, with the event loop running in all but the last moment.
#include "pause.h"

#include <QEventLoop>
#include <QTimer>
#include <thread>

namespace pennix {

namespace {

using Clock = std::chrono::steady_clock;

// Below this the event loop's millisecond timer is too coarse; the rest is slept out.
constexpr auto kLoopThreshold = std::chrono::milliseconds(2);

// Runs the event loop, input excluded, for about `length`. False when the loop could not run,
// which happens once the application has been told to quit.
bool RunEventsFor(std::chrono::milliseconds length) {
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(length);
    return loop.exec(QEventLoop::ExcludeUserInputEvents) == 0 && !timer.isActive();
}

}  // namespace

void WaitWithoutInput(std::chrono::microseconds length) {
    const Clock::time_point end = Clock::now() + length;
    for (Clock::time_point now = Clock::now(); now < end; now = Clock::now()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - now);
        if (left < kLoopThreshold || !RunEventsFor(left - std::chrono::milliseconds(1))) {
            std::this_thread::sleep_until(end);
        }
    }
}

}  // namespace pennix
