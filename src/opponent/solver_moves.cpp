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

// A chain on offer, followed from its offered box to its far end: the walls that eat it, in
// order. The first closes the offered box; for a chain each further one closes the next box,
// and for an opened loop the last closes its last two.
struct Offer {
    std::array<SolverMove, kBoxes> walls{};
    int wall_count = 0;
    int boxes = 0;      // on offer in all, both ends of an opened loop included
    bool loop = false;  // both ends are on offer: an opened loop
};

void Follow(const SolverBoard& board, int offered, Offer& offer) {
    const std::uint8_t take = LastSide(board, offered);
    offer.walls[0] = {static_cast<std::uint8_t>(offered), take};
    offer.wall_count = 1;
    int cell = offered + B::kStepAcross[take];
    std::uint8_t came_in = B::kSideAcross[take];
    while (LeadsOn(board, cell)) {
        const std::uint8_t out_side = OtherSide(board, cell, came_in);
        offer.walls[offer.wall_count++] = {static_cast<std::uint8_t>(cell), out_side};
        came_in = B::kSideAcross[out_side];
        cell += B::kStepAcross[out_side];
    }
    offer.loop = B::IsBox(cell) && board.Sides(cell) == 3;
    offer.boxes = offer.wall_count + (offer.loop ? 1 : 0);
}

// Boxes are on offer: what to do, or false when none is. Every chain on offer but one is eaten
// whole, and the last may be handed back; handing back a chain costs two boxes where an opened
// loop costs four and both leave the same board once the other player takes them, so opened
// loops are eaten first. What is forced comes as one run of walls.
bool CaptureMoves(const SolverBoard& board, SolverMoves& out) {
    if (board.BoxesWith(3) == 0) {
        return false;
    }
    std::array<int, kBoxes> offered{};
    int offered_count = 0;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            const int cell = B::Cell(x, y);
            if (board.Sides(cell) != 3) {
                continue;
            }
            const std::uint8_t side = LastSide(board, cell);
            if (!LeadsOn(board, cell + B::kStepAcross[side])) {
                out.Add({static_cast<std::uint8_t>(cell), side});
                out.forced = true;
                return true;
            }
            offered[offered_count++] = cell;
        }
    }
    Offer offer;
    Follow(board, offered[0], offer);
    int loop_ends = offer.loop ? 1 : 0;
    int first_loop = offer.loop ? offered[0] : -1;
    // Two boxes on offer are two chains or one opened loop: either way the first is eaten first.
    for (int i = 1; i < offered_count && offered_count > 2; ++i) {
        Follow(board, offered[i], offer);
        loop_ends += offer.loop ? 1 : 0;
        first_loop = first_loop < 0 && offer.loop ? offered[i] : first_loop;
    }
    const int eat = first_loop >= 0 && offered_count > loop_ends ? first_loop : offered[0];
    Follow(board, eat, offer);
    const bool last = offered_count == (offer.loop ? 2 : 1);
    const int keep = last ? (offer.loop ? 4 : 2) : 0;
    if (offer.boxes > keep) {
        // Eat down to what may be handed back, or the whole chain when it is not the last.
        const int eaten =
            offer.loop ? offer.wall_count - std::max(keep - 1, 0) : offer.boxes - keep;
        for (int i = 0; i < eaten; ++i) {
            out.Add(offer.walls[i]);
        }
        out.forced = true;
        return true;
    }
    // The last two of a chain, or four of a loop: take one, or hand them back by closing the far
    // side of the second box, which for a chain is its end and for a loop the middle of the four.
    out.Add(offer.walls[0]);
    out.Add(offer.walls[1]);
    return true;
}

// The chains and loops of boxes with two sides: for each, its length and whether it has ends.
struct Corridors {
    std::array<std::uint8_t, B::kCells> of{};  // 0: in none
    std::array<std::uint8_t, kBoxes + 1> length{};
    std::array<bool, kBoxes + 1> ended{};
    std::array<bool, kBoxes + 1> at_junction{};  // an end meets a box with fewer than two sides
    std::array<bool, kBoxes + 1> opened{};       // an opening is already listed
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
                corridors.at_junction[id] = corridors.at_junction[id] || B::IsBox(next);
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

// Chains from border to border, and loops, of one length are the same game wherever they lie:
// only the first of them is opened. Each kind of opening has its own place.
int IsolatedKind(const SolverBoard& board, int cell, std::uint8_t side,
                 const Corridors& corridors) {
    const int across = cell + B::kStepAcross[side];
    const int id = LeadsOn(board, cell) ? corridors.of[cell] : corridors.of[across];
    if (corridors.at_junction[id]) {
        return -1;
    }
    const bool inside = LeadsOn(board, cell) && LeadsOn(board, across);
    return corridors.length[id] * 4 + (corridors.ended[id] ? 0 : 2) + (inside ? 1 : 0);
}

void QuietMoves(const SolverBoard& board, SolverMoves& out) {
    Corridors corridors;
    MarkCorridors(board, corridors);
    std::array<bool, 4 * (kBoxes + 1)> kind_opened{};
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
                    const int kind = IsolatedKind(board, cell, side, corridors);
                    if (kind >= 0 && kind_opened[static_cast<std::size_t>(kind)]) {
                        continue;
                    }
                    if (kind >= 0) {
                        kind_opened[static_cast<std::size_t>(kind)] = true;
                    }
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
    out.forced = false;
    out.captures = CaptureMoves(board, out);
    if (!out.captures) {
        QuietMoves(board, out);
    }
}

}  // namespace pennix
