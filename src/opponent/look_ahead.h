// The Genius look-ahead: what a wall would give away, judged by playing the wall and the
// human's greedy reply on a scratch copy of the board.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "game/game.h"
#include "wall_candidate.h"

namespace pennix {

class LookAhead {
  public:
    // Late in the game, with a box on offer, the first wall in scan order that closes nothing
    // and after which the human would win exactly two boxes; nothing early, at 78 owned or
    // without such a wall.
    std::optional<Wall> FindLeaveTwoBoxes(const Game& game);

    // The free wall after which the human would win the fewest boxes (first in scan order among
    // equals), with that count as its Gain; nothing when no free wall gives anything away.
    std::optional<WallCandidate> FindLeastLossWall(const Game& game);

    // The free walls FindLeastLossWall weighed that give something away, in scan order.
    std::span<const WallCandidate> CandidateList() const {
        return {candidates_.data(), static_cast<std::size_t>(candidate_count_)};
    }

    // The steps on the scratch board, public so that tests can check each one.
    void CopyBoardToScratch(const Board& board);
    int CountHumanBoxesInCopy() const { return human_in_copy_ + claimed_in_copy_; }
    bool IsWallFreeInCopy(const Wall& wall) const;
    // Draws the wall on the copy and gives every box it closes to the human.
    void PlaceWallInCopy(const Wall& wall);
    // Takes the first box in scan order that has three sides; false when there is none.
    bool TakeBoxInCopy();
    // True when the wall is drawn on the board or would give one of its boxes four sides.
    static bool IsClosingOrDrawn(const Board& board, const Wall& wall);

  private:
    // The scratch board keeps only the sides of each box, with a frame of cells around the
    // boxes whose sides are all drawn, so that a step to the next box never needs a bounds test
    // and a frame cell never closes.
    static constexpr int kStride = kColumns + 2;
    static constexpr int kCells = kStride * (kRows + 2);
    static constexpr int Cell(int x, int y) { return y * kStride + x; }
    using ScratchBoard = std::array<std::uint8_t, kCells>;

    // Copies the board and plays the human's reply to what is on offer already; every trial
    // starts from there. Then marks the corridors.
    void PrepareReply(const Board& board);
    // A corridor is a run of boxes with two sides each, joined by their free sides. Any wall of a
    // corridor opens the whole of it, and what is taken beyond its two ends depends only on those
    // ends being drawn, so every wall of a corridor wins the same: one trial weighs them all.
    void MarkCorridors();
    // Gives `corridor` to the box at `start` and every two-sided box joined to it.
    void FloodCorridor(int start, int corridor);
    // The boxes the human wins after the wall: the reply's own plus what the wall opens.
    int TrialGain(const Wall& wall);
    void DrawSide(int cell, int side);
    // The human takes every box with three sides among those pending, and every box that
    // taking opens in turn.
    void TakeEverythingPending();
    void UndoTo(int mark);

    ScratchBoard scratch_board_{};
    int human_in_copy_ = 0;
    int claimed_in_copy_ = 0;
    int base_gain_ = 0;
    std::array<std::uint8_t, kCells> corridor_of_{};  // 0: the cell is in no corridor
    std::array<std::int16_t, kBoxes + 1> gain_by_corridor_{};
    std::array<std::uint8_t, kCells> pending_{};
    int pending_count_ = 0;
    struct SavedCell {
        std::uint8_t cell;
        std::uint8_t walls;
    };
    std::array<SavedCell, 2 * kWallCount> saved_{};
    int saved_count_ = 0;
    std::array<WallCandidate, kCandidateCapacity> candidates_{};
    int candidate_count_ = 0;
};

}  // namespace pennix
