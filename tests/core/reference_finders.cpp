// The plain finders: every trial copies the whole board, claims by scanning every box and
// takes the human's boxes one at a time by rescanning the board from the start.
#include "reference_finders.h"

namespace pennix::reference {

namespace {

bool IsWallFreeOn(const Board& board, const Wall& wall) {
    return (board(wall.x, wall.y).Walls & wall.side) != wall.side;
}

class ScratchBoard {
  public:
    explicit ScratchBoard(const Board& board) : board_(board) {}

    int CountHumanBoxes() const {
        int count = 0;
        for (int x = 1; x <= kColumns; ++x) {
            for (int y = 1; y <= kRows; ++y) {
                count += board_(x, y).Owner == kHuman ? 1 : 0;
            }
        }
        return count;
    }

    bool IsWallFree(const Wall& wall) const { return IsWallFreeOn(board_, wall); }

    void PlaceWall(const Wall& wall) {
        DrawWall(board_, wall);
        for (int x = 1; x <= kColumns; ++x) {
            for (int y = 1; y <= kRows; ++y) {
                BoxCell& box = board_(x, y);
                if (box.Owner == kNobody && box.Walls == kClosed) {
                    box.Owner = kHuman;
                }
            }
        }
    }

    bool TakeBox() {
        for (const Wall& wall : kScanOrder) {
            if (IsWallFree(wall) && (board_(wall.x, wall.y).Walls | wall.side) == kClosed) {
                PlaceWall(wall);
                return true;
            }
        }
        return false;
    }

  private:
    Board board_;
};

// Plays the trial wall and the greedy reply on a fresh copy; the boxes the human wins.
int TrialGain(const Board& board, const Wall& wall) {
    ScratchBoard scratch(board);
    const int before = scratch.CountHumanBoxes();
    scratch.PlaceWall(wall);
    while (scratch.TakeBox()) {
    }
    return scratch.CountHumanBoxes() - before;
}

bool IsClosingOrDrawn(const Board& board, const Wall& wall) {
    return !IsWallFreeOn(board, wall) || RaisesCountAbove(board, wall, 3);
}

std::vector<WallCandidate> Candidates(const Board& board,
                                      bool (*admit)(const Board&, const Wall&)) {
    std::vector<WallCandidate> candidates;
    for (const Wall& wall : kScanOrder) {
        if (admit(board, wall)) {
            const int gain = TrialGain(board, wall);
            if (gain > 0) {
                candidates.push_back({wall.x, wall.y, wall.side, static_cast<std::int16_t>(gain)});
            }
        }
    }
    return candidates;
}

}  // namespace

std::optional<Wall> TakeBox(const Game& game) {
    for (const Wall& wall : kScanOrder) {
        if (game.IsWallFree(wall) && (game.Board()(wall.x, wall.y).Walls | wall.side) == kClosed) {
            return wall;
        }
    }
    return std::nullopt;
}

std::vector<WallCandidate> SafeList(const Game& game) {
    std::vector<WallCandidate> list;
    for (const Wall& wall : kScanOrder) {
        if (game.IsWallFree(wall) && !RaisesCountAbove(game.Board(), wall, 2)) {
            list.push_back({wall.x, wall.y, wall.side, 0});
        }
    }
    return list;
}

std::optional<Wall> LeaveTwoBoxes(const Game& game) {
    const int owned = game.HumanBoxes() + game.ComputerBoxes();
    if (owned < kBoxes / 5 || owned == kBoxes - 2 || !TakeBox(game).has_value()) {
        return std::nullopt;
    }
    const auto candidates = Candidates(game.Board(), [](const Board& board, const Wall& wall) {
        return !IsClosingOrDrawn(board, wall);
    });
    for (const WallCandidate& candidate : candidates) {
        if (candidate.Gain == 2) {
            return candidate.AsWall();
        }
    }
    return std::nullopt;
}

std::optional<WallCandidate> LeastLossWall(const Game& game) {
    const auto candidates = Candidates(game.Board(), [](const Board& board, const Wall& wall) {
        return IsWallFreeOn(board, wall);
    });
    std::optional<WallCandidate> best;
    int least = 999;
    for (const WallCandidate& candidate : candidates) {
        if (candidate.Gain < least) {
            best = candidate;
            least = candidate.Gain;
        }
    }
    return best;
}

}  // namespace pennix::reference
