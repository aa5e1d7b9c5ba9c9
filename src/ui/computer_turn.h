// The computer's turn as the player sees it: one wall at a time, each drawn and then blinked on
// timers, the event loop running throughout.
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <memory>

#include "game/game.h"
#include "opponent/level.h"

namespace pennix {

class BoardView;

enum class Speed { Slow, Medium, Fast };

// How a computer wall blinks at a speed: white then black, `blinks` times, pausing after each.
struct BlinkTiming {
    int blinks = 0;
    std::chrono::microseconds pause{0};
};

BlinkTiming TimingFor(Speed speed);

class ComputerTurn : public QObject {
    Q_OBJECT

  public:
    ComputerTurn(Game& game, BoardView& board, QObject* parent = nullptr);

    // Plays the computer's walls at `level` until the turn passes back or the game ends; Finished
    // follows from the event loop, also when there was nothing to play.
    void Start(Level level, Speed speed);
    bool Running() const { return running_; }

    // The rest of the turn without blinking, as soon as the event loop comes round: the walls are
    // the same, and a game that is closing does not wait most of a minute for a Slow reply.
    void Hurry();

  signals:
    // The board changed: a wall was drawn, and maybe boxes closed or the game ended.
    void WallDrawn(pennix::Wall wall, pennix::WallOutcome outcome);
    void Finished();

  private:
    enum class Step { NextWall, White, Black };

    void Advance();
    // Chooses the next wall at once, or on a worker thread for a level that thinks long, and
    // then draws and blinks it.
    void ChooseNextWall();
    // Draws the chosen wall and blinks it, or plays the rest of a hurried turn.
    void Chosen(const Wall& wall);
    void DrawWall(const Wall& wall);
    void FinishWithoutBlinking();
    void Blink(bool white);
    void Finish();
    // Runs Advance once at least `pause` has passed on the monotonic clock.
    void PauseFor(std::chrono::microseconds pause);
    void WaitOrAdvance();

    Game& game_;
    BoardView& board_;
    QTimer timer_;
    bool running_ = false;
    bool hurried_ = false;
    bool thinking_ = false;
    // Gone with the turn: a wall thought out on a worker thread for a turn no longer there is
    // dropped.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    Level level_ = Level::Hard;
    BlinkTiming timing_;
    Step step_ = Step::NextWall;
    Wall wall_;
    int blinks_left_ = 0;
    std::chrono::steady_clock::time_point pause_end_;
};

}  // namespace pennix
