// The Genius look-ahead: every trial starts from a fresh copy of the board, so trials never
// affect one another and the real board is touched only by the wall finally drawn.
#include "look_ahead.h"

namespace pennix {

namespace {

// A fifth of the board must be owned before the computer starts handing over the last two boxes
// of a chain; earlier, keeping control is worth less than the boxes.
constexpr int kLeaveTwoMinimumOwned = kBoxes / 5;
// With two boxes left, handing them over would simply lose them.
constexpr int kLeaveTwoLastBoxes = kBoxes - 2;
constexpr int kNoGainYet = 999;

bool IsBoxOnOffer(const Game& game) {
    for (const Wall& wall : kScanOrder) {
        if (game.IsWallFree(wall.x, wall.y, wall.side) &&
            (game.Board()(wall.x, wall.y).Walls | wall.side) == kClosed) {
            return true;
        }
    }
    return false;
}

}  // namespace

void LookAhead::CopyBoardToScratch(const Board& board) {
    // Column 0 and row 0 are never written anywhere, so copying them too changes nothing.
    scratch_ = board;
}

int LookAhead::CountHumanBoxesInCopy() const {
    int count = 0;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            count += scratch_(x, y).Owner == kHuman ? 1 : 0;
        }
    }
    return count;
}

bool LookAhead::IsWallFreeInCopy(const Wall& wall) const {
    return (scratch_(wall.x, wall.y).Walls & wall.side) != wall.side;
}

void LookAhead::PlaceWallInCopy(const Wall& wall) {
    DrawWall(scratch_, wall);
    // Every closed box of the copy is owned before the wall, so only the one or two boxes the
    // wall borders can need an owner now.
    ClaimIfClosed(scratch_(wall.x, wall.y));
    Wall neighbour;
    if (NeighbourOf(wall, neighbour)) {
        ClaimIfClosed(scratch_(neighbour.x, neighbour.y));
    }
}

void LookAhead::ClaimIfClosed(BoxCell& box) {
    if (box.Owner == kNobody && box.Walls == kClosed) {
        box.Owner = kHuman;
        ++claimed_in_copy_;
    }
}

bool LookAhead::TakeBoxInCopy() {
    // In scan order the first wall that completes a box is the one free side of the first box,
    // column by column, that has three sides drawn.
    for (std::int16_t x = 1; x <= kColumns; ++x) {
        for (std::int16_t y = 1; y <= kRows; ++y) {
            const int walls = scratch_(x, y).Walls;
            if (WallCount(walls) == 3) {
                PlaceWallInCopy({x, y, static_cast<std::int16_t>(kClosed & ~walls)});
                return true;
            }
        }
    }
    return false;
}

bool LookAhead::IsClosingOrDrawn(const Board& board, const Wall& wall) const {
    return !IsWallFreeInCopy(wall) || RaisesCountAbove(board, wall, 3);
}

void LookAhead::NoteBoxesOnOffer(const Board& board) {
    on_offer_count_ = 0;
    for (std::int16_t x = 1; x <= kColumns; ++x) {
        for (std::int16_t y = 1; y <= kRows; ++y) {
            if (WallCount(board(x, y).Walls) == 3) {
                on_offer_[on_offer_count_++] = {x, y, 0};
            }
        }
    }
}

int LookAhead::EvaluateTrial(const Wall& wall) {
    // The greedy reply takes the same boxes whatever order it takes them in: a box with three
    // sides stays on offer until it is taken, and taking one can only offer the box across the
    // wall just drawn. So the reply follows chains from the boxes on offer instead of
    // rescanning the board after every box, as TakeBoxInCopy does.
    std::array<Wall, kBoxes + 2> pending;
    int count = 0;
    for (int i = 0; i < on_offer_count_; ++i) {
        pending[count++] = on_offer_[i];
    }
    pending[count++] = wall;
    Wall neighbour;
    if (NeighbourOf(wall, neighbour)) {
        pending[count++] = neighbour;
    }
    PlaceWallInCopy(wall);
    int gain = claimed_in_copy_;
    claimed_in_copy_ = 0;
    while (count > 0) {
        const Wall box = pending[--count];
        const int walls = scratch_(box.x, box.y).Walls;
        if (WallCount(walls) != 3) {
            continue;
        }
        const Wall missing{box.x, box.y, static_cast<std::int16_t>(kClosed & ~walls)};
        PlaceWallInCopy(missing);
        if (NeighbourOf(missing, neighbour)) {
            pending[count++] = neighbour;
        }
    }
    gain += claimed_in_copy_;
    claimed_in_copy_ = 0;
    if (gain > 0) {
        candidates_[candidate_count_++] = {wall.x, wall.y, wall.side,
                                           static_cast<std::int16_t>(gain)};
    }
    return gain;
}

std::optional<Wall> LookAhead::FindLeaveTwoBoxes(const Game& game) {
    const int owned = game.HumanBoxes() + game.ComputerBoxes();
    if (owned < kLeaveTwoMinimumOwned || owned == kLeaveTwoLastBoxes || !IsBoxOnOffer(game)) {
        return std::nullopt;
    }
    candidate_count_ = 0;
    NoteBoxesOnOffer(game.Board());
    for (const Wall& wall : kScanOrder) {
        CopyBoardToScratch(game.Board());
        // The first candidate with a gain of two is played, so the trials after it can't matter.
        if (!IsClosingOrDrawn(game.Board(), wall) && EvaluateTrial(wall) == 2) {
            return wall;
        }
    }
    return std::nullopt;
}

std::optional<WallCandidate> LookAhead::FindLeastLossWall(const Game& game) {
    candidate_count_ = 0;
    NoteBoxesOnOffer(game.Board());
    for (const Wall& wall : kScanOrder) {
        CopyBoardToScratch(game.Board());
        if (IsWallFreeInCopy(wall)) {
            EvaluateTrial(wall);
        }
    }
    std::optional<WallCandidate> best;
    int least = kNoGainYet;
    for (const WallCandidate& candidate : CandidateList()) {
        if (candidate.Gain < least) {
            best = candidate;
            least = candidate.Gain;
        }
    }
    return best;
}

}  // namespace pennix
