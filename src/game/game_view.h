// The two calls the game makes on whatever shows it; the window implements them.
#pragma once

namespace pennix {

class GameView {
  public:
    virtual ~GameView() = default;

    // The board changed: show it again, with the score line. The game has already been tallied.
    virtual void RefreshBoard() = 0;

    // Make the computer's new wall blink; returns when the blinking is over.
    virtual void AnimateWall(int x, int y, int side) = 0;
};

}  // namespace pennix
