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
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            scratch_(x, y) = board(x, y);
        }
    }
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
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            BoxCell& box = scratch_(x, y);
            if (box.Owner == kNobody && box.Walls == kClosed) {
                box.Owner = kHuman;
            }
        }
    }
}

bool LookAhead::TakeBoxInCopy() {
    for (const Wall& wall : kScanOrder) {
        if (IsWallFreeInCopy(wall) && (scratch_(wall.x, wall.y).Walls | wall.side) == kClosed) {
            PlaceWallInCopy(wall);
            return true;
        }
    }
    return false;
}

bool LookAhead::IsClosingOrDrawn(const Board& board, const Wall& wall) const {
    return !IsWallFreeInCopy(wall) || RaisesCountAbove(board, wall, 3);
}

void LookAhead::EvaluateTrial(const Wall& wall, int human_before) {
    PlaceWallInCopy(wall);
    while (TakeBoxInCopy()) {
    }
    const int gain = CountHumanBoxesInCopy() - human_before;
    if (gain > 0) {
        candidates_[candidate_count_++] = {wall.x, wall.y, wall.side, static_cast<std::int16_t>(gain)};
    }
}

std::optional<Wall> LookAhead::FindLeaveTwoBoxes(const Game& game) {
    const int owned = game.HumanBoxes() + game.ComputerBoxes();
    if (owned < kLeaveTwoMinimumOwned || owned == kLeaveTwoLastBoxes || !IsBoxOnOffer(game)) {
        return std::nullopt;
    }
    candidate_count_ = 0;
    for (const Wall& wall : kScanOrder) {
        CopyBoardToScratch(game.Board());
        const int human_before = CountHumanBoxesInCopy();
        if (!IsClosingOrDrawn(game.Board(), wall)) {
            EvaluateTrial(wall, human_before);
        }
    }
    for (const WallCandidate& candidate : CandidateList()) {
        if (candidate.Gain == 2) {
            return candidate.AsWall();
        }
    }
    return std::nullopt;
}

std::optional<WallCandidate> LookAhead::FindLeastLossWall(const Game& game) {
    candidate_count_ = 0;
    for (const Wall& wall : kScanOrder) {
        CopyBoardToScratch(game.Board());
        const int human_before = CountHumanBoxesInCopy();
        if (IsWallFreeInCopy(wall)) {
            EvaluateTrial(wall, human_before);
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
