// The Expert search's board.
#include "solver_board.h"

namespace pennix {

namespace {

// One key per wall, named by the box right of or below it (frame cells included), so that the
// two boxes of a wall share its key. Fixed numbers keep every search, and so every game,
// repeatable.
constexpr std::array<std::uint64_t, 2 * SolverBoard::kCells> MakeKeys() {
    std::array<std::uint64_t, 2 * SolverBoard::kCells> keys{};
    std::uint64_t state = 0x5eed0f00d5ULL;
    for (std::uint64_t& key : keys) {
        state += 0x9e3779b97f4a7c15ULL;
        std::uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        key = z ^ (z >> 31);
    }
    return keys;
}

constexpr std::array<std::uint64_t, 2 * SolverBoard::kCells> kKeys = MakeKeys();

std::uint64_t KeyOf(int cell, int side) {
    switch (side) {
        case kLeft:
            return kKeys[2 * cell];
        case kTop:
            return kKeys[2 * cell + 1];
        case kRight:
            return kKeys[2 * (cell + 1)];
        default:
            return kKeys[2 * (cell + SolverBoard::kStride) + 1];
    }
}

}  // namespace

SolverBoard::SolverBoard(const Board& board) {
    walls_.fill(kClosed);
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            const int walls = board(x, y).Walls & kClosed;
            walls_[Cell(x, y)] = static_cast<std::uint8_t>(walls);
            unowned_ += walls == kClosed ? 0 : 1;
            ++boxes_with_[WallCount(walls)];
            for (const std::int16_t side : kSidesInScanOrder) {
                const bool border = !IsBox(Cell(x, y) + kStepAcross[side]);
                if ((walls & side) != 0) {
                    // A wall between two boxes is hashed once, from the box right of or below it.
                    hash_ ^= side == kLeft || side == kTop || border ? KeyOf(Cell(x, y), side) : 0;
                } else {
                    // A free wall between two boxes is counted half from each.
                    free_walls_ += border ? 2 : 1;
                }
            }
        }
    }
    free_walls_ /= 2;
}

void SolverBoard::AddSide(int cell, std::uint8_t side) {
    --boxes_with_[Sides(cell)];
    walls_[cell] |= side;
    ++boxes_with_[Sides(cell)];
}

void SolverBoard::RemoveSide(int cell, std::uint8_t side) {
    --boxes_with_[Sides(cell)];
    walls_[cell] &= static_cast<std::uint8_t>(~side);
    ++boxes_with_[Sides(cell)];
}

int SolverBoard::Draw(SolverMove move) {
    drawn_[drawn_count_++] = move;
    hash_ ^= KeyOf(move.cell, move.side);
    --free_walls_;
    const int closed_before = boxes_with_[4];
    AddSide(move.cell, move.side);
    const int across = move.cell + kStepAcross[move.side];
    if (IsBox(across)) {
        AddSide(across, kSideAcross[move.side]);
    }
    const int closed = boxes_with_[4] - closed_before;
    unowned_ -= closed;
    return closed;
}

void SolverBoard::Undo() {
    const SolverMove move = drawn_[--drawn_count_];
    hash_ ^= KeyOf(move.cell, move.side);
    ++free_walls_;
    const int closed_before = boxes_with_[4];
    RemoveSide(move.cell, move.side);
    const int across = move.cell + kStepAcross[move.side];
    if (IsBox(across)) {
        RemoveSide(across, kSideAcross[move.side]);
    }
    unowned_ += closed_before - boxes_with_[4];
}

}  // namespace pennix
