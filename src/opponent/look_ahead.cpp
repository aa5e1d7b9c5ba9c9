// The Genius look-ahead.
//
// The human's greedy reply takes the same boxes in whatever order it takes them: a box with
// three sides stays on offer until it is taken, and drawing walls only ever offers more. So the
// reply to what is on offer before any trial is played once, and each trial wall then only adds
// the chains it opens on top of it, followed box by box and undone afterwards. Each distinct
// wall is weighed once, though the scan meets a shared wall from both of its boxes.
#include "look_ahead.h"

namespace pennix {

namespace {

// A fifth of the board must be owned before the computer starts handing over the last two boxes
// of a chain; earlier, keeping control is worth less than the boxes.
constexpr int kLeaveTwoMinimumOwned = kBoxes / 5;
// With two boxes left, handing them over would simply lose them.
constexpr int kLeaveTwoLastBoxes = kBoxes - 2;
constexpr int kNoGainYet = 999;
constexpr std::int16_t kNotWeighed = -1;

bool IsBoxOnOffer(const Game& game) {
    for (const Wall& wall : kScanOrder) {
        if (game.IsWallFree(wall.x, wall.y, wall.side) &&
            (game.Board()(wall.x, wall.y).Walls | wall.side) == kClosed) {
            return true;
        }
    }
    return false;
}

bool IsFreeOn(const Board& board, const Wall& wall) {
    return (board(wall.x, wall.y).Walls & wall.side) != wall.side;
}

}  // namespace

void LookAhead::CopyBoardToScratch(const Board& board) {
    // Column 0 and row 0 are never written anywhere, so copying them too changes nothing.
    scratch_ = board;
    saved_count_ = 0;
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
    return IsFreeOn(scratch_, wall);
}

void LookAhead::Save(BoxCell& cell) {
    saved_[saved_count_++] = {&cell, cell};
}

void LookAhead::UndoTo(int mark) {
    while (saved_count_ > mark) {
        const SavedCell& saved = saved_[--saved_count_];
        *saved.cell = saved.value;
    }
}

void LookAhead::ClaimIfClosed(BoxCell& box) {
    if (box.Owner == kNobody && box.Walls == kClosed) {
        box.Owner = kHuman;
        ++claimed_in_copy_;
    }
}

void LookAhead::PlaceWallInCopy(const Wall& wall) {
    // A drawn wall changes nothing; skipping it keeps the undo record within one entry per box
    // side.
    if (!IsWallFreeInCopy(wall)) {
        return;
    }
    BoxCell& box = scratch_(wall.x, wall.y);
    Save(box);
    box.Walls |= wall.side;
    // Every closed box of the copy is owned before the wall, so only the one or two boxes the
    // wall borders can need an owner now.
    ClaimIfClosed(box);
    Wall across;
    if (NeighbourOf(wall, across)) {
        BoxCell& other = scratch_(across.x, across.y);
        Save(other);
        other.Walls |= across.side;
        ClaimIfClosed(other);
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

bool LookAhead::IsClosingOrDrawn(const Board& board, const Wall& wall) {
    return !IsFreeOn(board, wall) || RaisesCountAbove(board, wall, 3);
}

void LookAhead::TakeEverythingOnOffer(std::span<const Wall> boxes_to_look_at) {
    // Taking a box can only offer the box across the wall just drawn, so the reply follows
    // chains instead of rescanning the board; each box enters the stack at most once per wall.
    auto& pending = pending_;
    int count = 0;
    for (const Wall& box : boxes_to_look_at) {
        pending[count++] = box;
    }
    while (count > 0) {
        const Wall box = pending[--count];
        const int walls = scratch_(box.x, box.y).Walls;
        if (WallCount(walls) != 3) {
            continue;
        }
        const Wall missing{box.x, box.y, static_cast<std::int16_t>(kClosed & ~walls)};
        PlaceWallInCopy(missing);
        Wall across;
        if (NeighbourOf(missing, across)) {
            pending[count++] = across;
        }
    }
}

void LookAhead::PrepareReply(const Board& board) {
    CopyBoardToScratch(board);
    std::array<Wall, kBoxes> on_offer;
    int count = 0;
    for (std::int16_t x = 1; x <= kColumns; ++x) {
        for (std::int16_t y = 1; y <= kRows; ++y) {
            if (WallCount(scratch_(x, y).Walls) == 3) {
                on_offer[count++] = {x, y, 0};
            }
        }
    }
    claimed_in_copy_ = 0;
    TakeEverythingOnOffer({on_offer.data(), static_cast<std::size_t>(count)});
    base_gain_ = claimed_in_copy_;
    saved_count_ = 0;  // the reply is where every trial starts
    gain_by_wall_.fill(kNotWeighed);
}

int LookAhead::TrialGain(const Wall& wall) {
    std::int16_t& gain = gain_by_wall_[WallIndex(wall)];
    if (gain != kNotWeighed) {
        return gain;
    }
    // A wall the reply draws anyway adds nothing to what the reply wins.
    claimed_in_copy_ = 0;
    if (IsWallFreeInCopy(wall)) {
        PlaceWallInCopy(wall);
        Wall boxes[2] = {wall, wall};
        const int sides = NeighbourOf(wall, boxes[1]) ? 2 : 1;
        TakeEverythingOnOffer({boxes, static_cast<std::size_t>(sides)});
        UndoTo(0);
    }
    gain = static_cast<std::int16_t>(base_gain_ + claimed_in_copy_);
    return gain;
}

std::optional<Wall> LookAhead::FindLeaveTwoBoxes(const Game& game) {
    const int owned = game.HumanBoxes() + game.ComputerBoxes();
    if (owned < kLeaveTwoMinimumOwned || owned == kLeaveTwoLastBoxes || !IsBoxOnOffer(game)) {
        return std::nullopt;
    }
    PrepareReply(game.Board());
    // Every trial wins at least what is on offer already.
    if (base_gain_ > 2) {
        return std::nullopt;
    }
    for (const Wall& wall : kScanOrder) {
        if (!IsClosingOrDrawn(game.Board(), wall) && TrialGain(wall) == 2) {
            return wall;
        }
    }
    return std::nullopt;
}

std::optional<WallCandidate> LookAhead::FindLeastLossWall(const Game& game) {
    PrepareReply(game.Board());
    candidate_count_ = 0;
    for (const Wall& wall : kScanOrder) {
        if (IsFreeOn(game.Board(), wall)) {
            const int gain = TrialGain(wall);
            if (gain > 0) {
                candidates_[candidate_count_++] = {wall.x, wall.y, wall.side,
                                                   static_cast<std::int16_t>(gain)};
            }
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
