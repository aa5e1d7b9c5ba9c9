// The Expert search's board: box sides in a framed grid, a hash of the drawn walls, and undo.
#pragma once

#include <array>
#include <cstdint>

#include "game/board.h"

namespace pennix {

// A wall as the search names it: a box cell of the framed grid and one of its side bits.
struct SolverMove {
    std::uint8_t cell = 0;
    std::uint8_t side = 0;

    friend bool operator==(const SolverMove&, const SolverMove&) = default;
};

class SolverBoard {
  public:
    // A frame of cells with every side drawn surrounds the boxes, so that a step across a side
    // never needs a bounds test and a frame cell never closes.
    static constexpr int kStride = kColumns + 2;
    static constexpr int kCells = kStride * (kRows + 2);
    static constexpr int Cell(int x, int y) { return y * kStride + x; }
    static constexpr int X(int cell) { return cell % kStride; }
    static constexpr int Y(int cell) { return cell / kStride; }
    static constexpr bool IsBox(int cell) {
        return X(cell) >= 1 && X(cell) <= kColumns && Y(cell) >= 1 && Y(cell) <= kRows;
    }
    // By side bit: the step to the cell across that side, and that wall's bit on it.
    static constexpr std::array<int, 9> kStepAcross = {0, -1, 1, 0, -kStride, 0, 0, 0, kStride};
    static constexpr std::array<std::uint8_t, 9> kSideAcross = {0, kRight, kLeft, 0,   kBottom,
                                                                0, 0,      0,     kTop};

    explicit SolverBoard(const Board& board);

    int Sides(int cell) const { return WallCount(walls_[cell]); }
    std::uint8_t Walls(int cell) const { return walls_[cell]; }
    std::uint64_t Hash() const { return hash_; }
    int Unowned() const { return unowned_; }
    int FreeWalls() const { return free_walls_; }
    // How many boxes have `sides` sides drawn.
    int BoxesWith(int sides) const { return boxes_with_[sides]; }

    // Draws the wall and returns how many boxes it closed (0, 1 or 2).
    int Draw(SolverMove move);
    // Takes back the last wall drawn.
    void Undo();

    static Wall ToWall(SolverMove move) { return MakeWall(X(move.cell), Y(move.cell), move.side); }
    static SolverMove FromWall(const Wall& wall) {
        return {static_cast<std::uint8_t>(Cell(wall.x, wall.y)),
                static_cast<std::uint8_t>(wall.side)};
    }

  private:
    void AddSide(int cell, std::uint8_t side);
    void RemoveSide(int cell, std::uint8_t side);

    std::array<std::uint8_t, kCells> walls_{};
    std::uint64_t hash_ = 0;
    int unowned_ = 0;
    int free_walls_ = 0;
    std::array<int, 5> boxes_with_{};
    std::array<SolverMove, kWallCount> drawn_{};
    int drawn_count_ = 0;
};

}  // namespace pennix
