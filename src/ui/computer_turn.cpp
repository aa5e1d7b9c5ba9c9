// A small state machine: draw a wall, then white and black in turn with a pause after each, then
// the next wall. Each state is painted before its pause begins.
#include "computer_turn.h"

#include <QCoreApplication>
#include <QThreadPool>

#include "board_view.h"
#include "opponent/computer_player.h"

namespace pennix {

namespace {

using Clock = std::chrono::steady_clock;

// Expert may think for a good part of a second: the window must go on painting and taking input.
bool ThinksLong(Level level) {
    return level == Level::Expert;
}

}  // namespace

BlinkTiming TimingFor(Speed speed) {
    using std::chrono::microseconds;
    switch (speed) {
        case Speed::Slow:
            return {10, microseconds(100'000)};
        case Speed::Medium:
            return {5, microseconds(10'000)};
        case Speed::Fast:
            break;
    }
    return {3, microseconds(500)};
}

ComputerTurn::ComputerTurn(Game& game, BoardView& board, QObject* parent)
    : QObject(parent), game_(game), board_(board) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ComputerTurn::WaitOrAdvance);
}

void ComputerTurn::Start(Level level, Speed speed) {
    running_ = true;
    hurried_ = false;
    level_ = level;
    timing_ = TimingFor(speed);
    step_ = Step::NextWall;
    pause_end_ = Clock::now();
    timer_.start(0);
}

void ComputerTurn::Hurry() {
    if (running_ && !hurried_) {
        hurried_ = true;
        pause_end_ = Clock::now();
        if (!thinking_) {
            timer_.start(0);
        }
    }
}

// The event loop's timers count whole milliseconds: a pause ends on the first timeout at or past
// its end, so it is never shorter than asked, and one under a millisecond is not rounded up to one.
void ComputerTurn::PauseFor(std::chrono::microseconds pause) {
    pause_end_ = Clock::now() + pause;
    timer_.start(std::chrono::duration_cast<std::chrono::milliseconds>(pause));
}

void ComputerTurn::WaitOrAdvance() {
    const auto left = pause_end_ - Clock::now();
    if (!hurried_ && left > Clock::duration::zero()) {
        timer_.start(std::chrono::duration_cast<std::chrono::milliseconds>(left));
        return;
    }
    Advance();
}

void ComputerTurn::Advance() {
    if (hurried_) {
        return FinishWithoutBlinking();
    }
    switch (step_) {
        case Step::NextWall:
            board_.EndBlink();
            if (game_.CurrentPlayer() != kComputer || game_.GameOver()) {
                return Finish();
            }
            return ChooseNextWall();
        case Step::White:
            return Blink(false);
        case Step::Black:
            --blinks_left_;
            return Blink(true);
    }
}

// A game on its way out plays the rest of the turn at once: the walls are the same.
void ComputerTurn::FinishWithoutBlinking() {
    board_.EndBlink();
    while (game_.CurrentPlayer() == kComputer && !game_.GameOver()) {
        DrawWall(*ChooseWall(level_, game_, game_.Random()));
    }
    Finish();
}

// The worker thinks on a copy of the game and hands back the wall with the random source as its
// choice left it, so the game goes on exactly as if it had been chosen here. The pool's threads
// are waited for when the application ends.
void ComputerTurn::ChooseNextWall() {
    if (!ThinksLong(level_)) {
        return Chosen(*ChooseWall(level_, game_, game_.Random()));
    }
    thinking_ = true;
    auto position = std::make_shared<Game>(game_);
    const Level level = level_;
    const std::weak_ptr<int> alive = alive_;
    QThreadPool::globalInstance()->start([this, position, level, alive] {
        const Wall wall = *ChooseWall(level, *position, position->Random());
        QMetaObject::invokeMethod(qApp, [this, position, wall, alive] {
            if (!alive.expired()) {
                thinking_ = false;
                game_.Random() = position->Random();
                Chosen(wall);
            }
        });
    });
}

void ComputerTurn::Chosen(const Wall& wall) {
    DrawWall(wall);
    if (hurried_) {
        return FinishWithoutBlinking();
    }
    blinks_left_ = timing_.blinks;
    Blink(true);
}

void ComputerTurn::DrawWall(const Wall& wall) {
    wall_ = wall;
    const WallOutcome outcome = game_.PlaceWall(wall_);
    board_.BoardChanged();
    board_.repaint();
    emit WallDrawn(wall_, outcome);
}

// White after black until the wall has blinked its count; then the next wall.
void ComputerTurn::Blink(bool white) {
    if (white && blinks_left_ == 0) {
        step_ = Step::NextWall;
        board_.EndBlink();
        timer_.start(0);
        return;
    }
    board_.ShowBlink(wall_, white ? Qt::white : Qt::black);
    step_ = white ? Step::White : Step::Black;
    PauseFor(timing_.pause);
}

void ComputerTurn::Finish() {
    running_ = false;
    hurried_ = false;
    emit Finished();
}

}  // namespace pennix
