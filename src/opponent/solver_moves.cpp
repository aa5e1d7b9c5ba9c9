// Choosing the walls the Expert search tries.
#include "solver_moves.h"

#include <algorithm>

namespace pennix {

namespace {

using B = SolverBoard;

constexpr std::array<std::uint8_t, 4> kSides{kTop, kBottom, kLeft, kRight};

// The free side of a box with three sides.
std::uint8_t LastSide(const SolverBoard& board, int cell) {
    return static_cast<std::uint8_t>(kClosed & ~board.Walls(cell));
}

// The free side of a box with two sides other than `came_in`.
std::uint8_t OtherSide(const SolverBoard& board, int cell, std::uint8_t came_in) {
    return static_cast<std::uint8_t>(kClosed & ~board.Walls(cell) & ~came_in);
}

bool LeadsOn(const SolverBoard& board, int cell) {
    return B::IsBox(cell) && board.Sides(cell) == 2;
}

// A chain on offer, followed from its offered box to its far end.
struct Offer {
    int second = 0;               // the box after the offered one
    std::uint8_t second_out = 0;  // that box's side away from the offered one
    int boxes = 0;                // on offer in all, both ends of an opened loop included
    bool loop = false;            // both ends are on offer: an opened loop
};

Offer Follow(const SolverBoard& board, int offered) {
    Offer offer;
    const std::uint8_t take = LastSide(board, offered);
    offer.second = offered + B::kStepAcross[take];
    int cell = offer.second;
    std::uint8_t came_in = B::kSideAcross[take];
    offer.boxes = 1;
    while (LeadsOn(board, cell)) {
        ++offer.boxes;
        const std::uint8_t out_side = OtherSide(board, cell, came_in);
        offer.second_out = cell == offer.second ? out_side : offer.second_out;
        came_in = B::kSideAcross[out_side];
        cell += B::kStepAcross[out_side];
    }
    offer.loop = B::IsBox(cell) && board.Sides(cell) == 3;
    offer.boxes += offer.loop ? 1 : 0;
    return offer;
}

// Boxes are on offer: which to take, or false when none is. Every chain on offer but one is
// eaten whole, and the last may be handed back; handing back a chain costs two boxes where an
// opened loop costs four and both leave the same board once the other player takes them, so
// opened loops are eaten first.
bool CaptureMoves(const SolverBoard& board, SolverMoves& out) {
    if (board.BoxesWith(3) == 0) {
        return false;
    }
    int offered = -1;
    int offered_loop = -1;
    int offered_boxes = 0;
    int loop_ends = 0;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            const int cell = B::Cell(x, y);
            if (board.Sides(cell) != 3) {
                continue;
            }
            const std::uint8_t side = LastSide(board, cell);
            if (!LeadsOn(board, cell + B::kStepAcross[side])) {
                out.Add({static_cast<std::uint8_t>(cell), side});
                return true;
            }
            ++offered_boxes;
            offered = offered < 0 ? cell : offered;
            if (Follow(board, cell).loop) {
                ++loop_ends;
                offered_loop = offered_loop < 0 ? cell : offered_loop;
            }
        }
    }
    if (offered < 0) {
        return false;
    }
    const int eat = offered_loop >= 0 && offered_boxes > loop_ends ? offered_loop : offered;
    out.Add({static_cast<std::uint8_t>(eat), LastSide(board, eat)});
    const Offer offer = Follow(board, eat);
    const bool last = offered_boxes == (offer.loop ? 2 : 1);
    if (last && offer.boxes == (offer.loop ? 4 : 2)) {
        // Hand back the last two (the pair of the loop's last four): close the far side of the
        // second box, which for a chain is its end and for a loop the middle of the four.
        out.Add({static_cast<std::uint8_t>(offer.second), offer.second_out});
    }
    return true;
}

// The chains and loops of boxes with two sides: for each, its length and whether it has ends.
struct Corridors {
    std::array<std::uint8_t, B::kCells> of{};  // 0: in none
    std::array<std::uint8_t, kBoxes + 1> length{};
    std::array<bool, kBoxes + 1> ended{};
    std::array<bool, kBoxes + 1> opened{};  // an opening is already listed
    std::array<bool, kBoxes + 1> middle_opened{};
    int count = 0;
};

void Flood(const SolverBoard& board, int start, Corridors& corridors) {
    const int id = ++corridors.count;
    std::array<int, kBoxes> pending{};
    int pending_count = 0;
    pending[pending_count++] = start;
    corridors.of[start] = static_cast<std::uint8_t>(id);
    while (pending_count > 0) {
        const int cell = pending[--pending_count];
        ++corridors.length[id];
        for (const std::uint8_t side : kSides) {
            if ((board.Walls(cell) & side) != 0) {
                continue;
            }
            const int next = cell + B::kStepAcross[side];
            if (!LeadsOn(board, next)) {
                corridors.ended[id] = true;
            } else if (corridors.of[next] == 0) {
                corridors.of[next] = static_cast<std::uint8_t>(id);
                pending[pending_count++] = next;
            }
        }
    }
}

void MarkCorridors(const SolverBoard& board, Corridors& corridors) {
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            const int cell = B::Cell(x, y);
            if (board.Sides(cell) == 2 && corridors.of[cell] == 0) {
                Flood(board, cell, corridors);
            }
        }
    }
}

// Whether an unsafe wall is worth trying: the first opening of its corridor, or the middle of
// a chain of two.
bool IsCanonicalOpening(const SolverBoard& board, int cell, std::uint8_t side,
                        Corridors& corridors) {
    const int across = cell + B::kStepAcross[side];
    const bool inside = LeadsOn(board, cell) && LeadsOn(board, across);
    const int id = LeadsOn(board, cell) ? corridors.of[cell] : corridors.of[across];
    if (inside && corridors.ended[id] && corridors.length[id] == 2) {
        const bool first = !corridors.middle_opened[id];
        corridors.middle_opened[id] = true;
        return first;
    }
    if (inside && corridors.ended[id]) {
        return false;  // inside a chain of three or more: its end gives the same choices
    }
    const bool first = !corridors.opened[id];
    corridors.opened[id] = true;
    return first;
}

void QuietMoves(const SolverBoard& board, SolverMoves& out) {
    Corridors corridors;
    MarkCorridors(board, corridors);
    std::array<std::pair<int, SolverMove>, kWallCount> openings{};
    int opening_count = 0;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            const int cell = B::Cell(x, y);
            for (const std::uint8_t side : kSides) {
                const int across = cell + B::kStepAcross[side];
                // Each wall once: from its box, or from the box left of or above it.
                if ((board.Walls(cell) & side) != 0 ||
                    (B::IsBox(across) && (side == kTop || side == kLeft))) {
                    continue;
                }
                const SolverMove move{static_cast<std::uint8_t>(cell), side};
                const bool unsafe =
                    board.Sides(cell) >= 2 || (B::IsBox(across) && board.Sides(across) >= 2);
                if (!unsafe) {
                    out.Add(move);
                    ++out.safe;
                } else if (IsCanonicalOpening(board, cell, side, corridors)) {
                    const int id = LeadsOn(board, cell) ? corridors.of[cell] : corridors.of[across];
                    openings[opening_count++] = {corridors.length[id], move};
                }
            }
        }
    }
    std::stable_sort(openings.begin(), openings.begin() + opening_count,
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (int i = 0; i < opening_count; ++i) {
        out.Add(openings[i].second);
    }
}

}  // namespace

void GenerateMoves(const SolverBoard& board, SolverMoves& out) {
    out.count = 0;
    out.safe = 0;
    out.captures = CaptureMoves(board, out);
    if (!out.captures) {
        QuietMoves(board, out);
    }
}

}  // namespace pennix
