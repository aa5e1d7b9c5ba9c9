// The computer's simple finders: functions of a position that say which wall they would draw.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "game/game.h"
#include "wall_candidate.h"

namespace pennix {

// The first box in scan order whose other three sides are drawn, by its free side; nothing once
// the game is over.
std::optional<Wall> FindBoxToTake(const Game& game);

// Whether drawing the wall would leave one of its boxes with three sides, offering it.
bool IsUnsafeWall(const Board& board, const Wall& wall);

// Every free wall that gives nothing away, in scan order: a wall between two boxes is listed from
// each of them, and so is drawn twice as often as a border wall.
class SafeWalls {
  public:
    explicit SafeWalls(const Game& game);

    std::span<const WallCandidate> List() const {
        return {walls_.data(), static_cast<std::size_t>(count_)};
    }
    int Count() const { return count_; }

  private:
    std::array<WallCandidate, kCandidateCapacity> walls_{};
    int count_ = 0;
};

// A free wall drawn uniformly over the 320 (box, side) pairs: a wall between two boxes is twice
// as likely as a border wall. Nothing once the game is over.
std::optional<Wall> DrawRandomWall(const Game& game, RandomSource& random);

// One of the safe walls, drawn uniformly; nothing when there is none.
std::optional<Wall> DrawSafeWall(const Game& game, RandomSource& random);

}  // namespace pennix
