// The Genius look-ahead.
//
// The human's greedy reply takes the same boxes in whatever order it takes them: a box with
// three sides stays on offer until it is taken, and drawing walls only ever offers more. So the
// reply to what is on offer before any trial is played once, and each trial wall then only adds
// the chains it opens on top of it, followed box by box and undone afterwards. Each corridor of
// boxes with two sides is weighed once, whichever of its walls the scan meets first.
#include "look_ahead.h"

namespace pennix {

namespace {

// A fifth of the board must be owned before the computer starts handing over the last two boxes
// of a chain; earlier, keeping control is worth less than the boxes.
constexpr int kLeaveTwoMinimumOwned = kBoxes / 5;
// With two boxes left, handing them over would simply lose them.
constexpr int kOwnedWithTwoLeft = kBoxes - 2;
constexpr int kNoGainYet = 999;
constexpr std::int16_t kNotWeighed = -1;

// By side bit: the step to the box across that side (a row of the scratch board is kColumns + 2
// cells, frame included), and the same wall's bit on that box.
constexpr std::array<int, 9> kStepAcross = {0, -1, 1, 0, -(kColumns + 2), 0, 0, 0, kColumns + 2};
constexpr std::array<std::uint8_t, 9> kSideAcross = {0, kRight, kLeft, 0, kBottom, 0, 0, 0, kTop};

}  // namespace

void LookAhead::CopyBoardToScratch(const Board& board) {
    scratch_board_.fill(kClosed);
    human_in_copy_ = 0;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            scratch_board_[Cell(x, y)] = static_cast<std::uint8_t>(board(x, y).Walls);
            human_in_copy_ += board(x, y).Owner == kHuman ? 1 : 0;
        }
    }
    claimed_in_copy_ = 0;
    saved_count_ = 0;
}

bool LookAhead::IsWallFreeInCopy(const Wall& wall) const {
    return (scratch_board_[Cell(wall.x, wall.y)] & wall.side) == 0;
}

void LookAhead::DrawSide(int cell, int side) {
    // Every closed box of the copy is owned already, so a box the wall closes is the human's.
    saved_[saved_count_++] = {static_cast<std::uint8_t>(cell), scratch_board_[cell]};
    scratch_board_[cell] |= static_cast<std::uint8_t>(side);
    claimed_in_copy_ += scratch_board_[cell] == kClosed ? 1 : 0;
    const int across = cell + kStepAcross[side];
    if ((scratch_board_[across] & kSideAcross[side]) == 0) {  // frame cells have every side drawn
        saved_[saved_count_++] = {static_cast<std::uint8_t>(across), scratch_board_[across]};
        scratch_board_[across] |= kSideAcross[side];
        claimed_in_copy_ += scratch_board_[across] == kClosed ? 1 : 0;
    }
}

void LookAhead::PlaceWallInCopy(const Wall& wall) {
    if (IsWallFreeInCopy(wall)) {
        DrawSide(Cell(wall.x, wall.y), wall.side);
    }
}

bool LookAhead::TakeBoxInCopy() {
    // In scan order the first wall that completes a box is the one free side of the first box,
    // column by column, that has three sides drawn.
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            const int walls = scratch_board_[Cell(x, y)];
            if (WallCount(walls) == 3) {
                DrawSide(Cell(x, y), kClosed & ~walls);
                return true;
            }
        }
    }
    return false;
}

bool LookAhead::IsClosingOrDrawn(const Board& board, const Wall& wall) {
    return IsDrawn(board, wall) || RaisesCountAbove(board, wall, 3);
}

void LookAhead::TakeEverythingPending() {
    // Taking a box can only offer the box across the wall just drawn, so the reply follows
    // chains instead of rescanning the board.
    while (pending_count_ > 0) {
        const int cell = pending_[--pending_count_];
        const int walls = scratch_board_[cell];
        if (WallCount(walls) != 3) {
            continue;
        }
        const int missing = kClosed & ~walls;
        DrawSide(cell, missing);
        pending_[pending_count_++] = static_cast<std::uint8_t>(cell + kStepAcross[missing]);
    }
}

void LookAhead::UndoTo(int mark) {
    while (saved_count_ > mark) {
        const SavedCell& saved = saved_[--saved_count_];
        scratch_board_[saved.cell] = saved.walls;
    }
}

void LookAhead::PrepareReply(const Board& board) {
    CopyBoardToScratch(board);
    pending_count_ = 0;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            if (WallCount(scratch_board_[Cell(x, y)]) == 3) {
                pending_[pending_count_++] = static_cast<std::uint8_t>(Cell(x, y));
            }
        }
    }
    TakeEverythingPending();
    base_gain_ = claimed_in_copy_;
    saved_count_ = 0;  // the reply is where every trial starts
    MarkCorridors();
}

void LookAhead::MarkCorridors() {
    corridor_of_.fill(0);
    int corridors = 0;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            if (WallCount(scratch_board_[Cell(x, y)]) == 2 && corridor_of_[Cell(x, y)] == 0) {
                FloodCorridor(Cell(x, y), ++corridors);
            }
        }
    }
    gain_by_corridor_.fill(kNotWeighed);
}

void LookAhead::FloodCorridor(int start, int corridor) {
    corridor_of_[start] = static_cast<std::uint8_t>(corridor);
    pending_[0] = static_cast<std::uint8_t>(start);
    pending_count_ = 1;
    while (pending_count_ > 0) {
        const int cell = pending_[--pending_count_];
        for (const int side : kSidesInScanOrder) {
            const int next = cell + kStepAcross[side];
            // Frame cells have every side drawn, so they never join a corridor.
            if ((scratch_board_[cell] & side) == 0 && WallCount(scratch_board_[next]) == 2 &&
                corridor_of_[next] == 0) {
                corridor_of_[next] = static_cast<std::uint8_t>(corridor);
                pending_[pending_count_++] = static_cast<std::uint8_t>(next);
            }
        }
    }
}

int LookAhead::TrialGain(const Wall& wall) {
    // A wall the reply draws anyway adds nothing to what the reply wins, and neither does one
    // that leaves both its boxes with at most two sides.
    if (!IsWallFreeInCopy(wall)) {
        return base_gain_;
    }
    const int cell = Cell(wall.x, wall.y);
    const int across = cell + kStepAcross[wall.side];
    const int corridor = corridor_of_[cell] != 0 ? corridor_of_[cell] : corridor_of_[across];
    if (corridor == 0) {
        return base_gain_;
    }
    std::int16_t& gain = gain_by_corridor_[corridor];
    if (gain == kNotWeighed) {
        DrawSide(cell, wall.side);
        pending_[0] = static_cast<std::uint8_t>(cell);
        pending_[1] = static_cast<std::uint8_t>(across);
        pending_count_ = 2;
        TakeEverythingPending();
        gain = static_cast<std::int16_t>(claimed_in_copy_);
        UndoTo(0);
        claimed_in_copy_ = base_gain_;
    }
    return gain;
}

std::optional<Wall> LookAhead::FindLeaveTwoBoxes(const Game& game) {
    const int owned = game.HumanBoxes() + game.ComputerBoxes();
    if (owned < kLeaveTwoMinimumOwned || owned == kOwnedWithTwoLeft || game.GameOver()) {
        return std::nullopt;
    }
    PrepareReply(game.Board());
    // Nothing on offer, nothing to hand over; and every trial wins at least what is on offer.
    if (base_gain_ == 0 || base_gain_ > 2) {
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
        if (!IsDrawn(game.Board(), wall)) {
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
