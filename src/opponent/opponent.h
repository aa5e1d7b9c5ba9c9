// The computer opponent: the walls it draws at each level, and the "Rnd" aid for the human.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "game/game.h"
#include "level.h"
#include "look_ahead.h"
#include "wall_candidate.h"

namespace pennix {

enum class RandomMoveResult {
    GameOver,    // nothing drawn, nothing to say
    NoSafeWall,  // nothing drawn: the player is on their own
    Played,      // a safe wall was drawn for the player and the computer has answered
};

class Opponent {
  public:
    explicit Opponent(Game& game) : game_(game) {}

    // Plays the computer's whole turn: one wall after another until the turn passes back to the
    // human or the game ends. Returns at once when it is not the computer's turn.
    void ComputerMove(Level level);

    // One wall at the level, for whoever is to move.
    void PlayLevel(Level level);
    void PlayEasy();
    void PlayMedium();
    void PlayHard();
    void PlayGenius();

    // The finders. Each draws at most one wall for whoever is to move.
    void RandomWall();
    void TakeBox();
    void SafeWall();
    void LeaveTwoBoxes();
    void LeastLossWall();

    bool IsUnsafeWall(int x, int y, int side) const;

    // What TakeBox would draw: the first box in scan order whose other three sides are drawn.
    std::optional<Wall> FindBoxToTake() const;

    // Fills SafeList with every free wall that gives nothing away, in scan order.
    void ListSafeWalls();
    std::span<const WallCandidate> SafeList() const {
        return {safe_list_.data(), static_cast<std::size_t>(safe_count_)};
    }
    int SafeCount() const { return safe_count_; }

    LookAhead& Look() { return look_ahead_; }

    bool MoveMade() const { return move_made_; }

    // The "Rnd" button: a safe random wall for the human, then the computer's answer.
    RandomMoveResult RandomMoveForPlayer(Level level);

  private:
    // Draws the wall for the player to move, blinking, with all that follows from it.
    void PlayWall(const Wall& wall);

    Game& game_;
    bool move_made_ = false;
    std::array<WallCandidate, kCandidateCapacity> safe_list_{};
    int safe_count_ = 0;
    LookAhead look_ahead_;
};

}  // namespace pennix
