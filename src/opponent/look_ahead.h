// The Genius look-ahead: trial walls on a scratch copy of the board, each followed by the
// human's greedy reply, to count what a wall gives away.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "game/game.h"
#include "wall_candidate.h"

namespace pennix {

class LookAhead {
  public:
    // Late in the game, with a box on offer, the first wall that closes nothing and after which
    // the human would win exactly two boxes; nothing early, at 78 owned or without such a wall.
    std::optional<Wall> FindLeaveTwoBoxes(const Game& game);

    // The free wall after which the human would win the fewest boxes (first in scan order among
    // equals), with that count as its Gain; nothing when no free wall gives anything away.
    std::optional<WallCandidate> FindLeastLossWall(const Game& game);

    // The scratch-board steps, public so that tests can check each one.
    void CopyBoardToScratch(const Board& board);
    int CountHumanBoxesInCopy() const;
    bool IsWallFreeInCopy(const Wall& wall) const;
    void PlaceWallInCopy(const Wall& wall);
    bool TakeBoxInCopy();
    bool IsClosingOrDrawn(const Board& board, const Wall& wall) const;

    const Board& ScratchBoard() const { return scratch_; }
    // The trials the last search recorded, in scan order.
    std::span<const WallCandidate> CandidateList() const {
        return {candidates_.data(), static_cast<std::size_t>(candidate_count_)};
    }

  private:
    // Remembers the boxes with three sides before any trial wall: the reply starts from them.
    void NoteBoxesOnOffer(const Board& board);
    // Plays the trial wall and the greedy reply on the scratch board and returns the boxes the
    // human would win; records the wall when that is more than none.
    int EvaluateTrial(const Wall& wall);
    void ClaimIfClosed(BoxCell& box);

    Board scratch_;
    int claimed_in_copy_ = 0;
    std::array<Wall, kBoxes> on_offer_{};
    int on_offer_count_ = 0;
    std::array<WallCandidate, kCandidateCapacity> candidates_{};
    int candidate_count_ = 0;
};

}  // namespace pennix
