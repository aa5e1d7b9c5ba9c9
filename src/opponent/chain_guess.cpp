// Guessing the chains a position's junctions will join.
#include "chain_guess.h"

#include <algorithm>
#include <array>
#include <vector>

namespace pennix {

namespace {

constexpr std::array<std::uint8_t, 4> kSides{kTop, kBottom, kLeft, kRight};

struct Corridor {
    int boxes = 0;
    bool ended = false;
    int root = 0;  // the corridor this one has joined, itself when none
};

int Root(std::vector<Corridor>& corridors, int id) {
    while (corridors[static_cast<std::size_t>(id)].root != id) {
        id = corridors[static_cast<std::size_t>(id)].root;
    }
    return id;
}

std::vector<Corridor> FindCorridors(const SolverBoard& board, std::vector<int>& of) {
    std::vector<Corridor> corridors;
    std::vector<bool> seen(SolverBoard::kCells, false);
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            const int cell = SolverBoard::Cell(x, y);
            if (board.Sides(cell) != 2 || seen[static_cast<std::size_t>(cell)]) {
                continue;
            }
            const int id = static_cast<int>(corridors.size());
            Corridor corridor{0, false, id};
            std::vector<int> pending{cell};
            seen[static_cast<std::size_t>(cell)] = true;
            while (!pending.empty()) {
                const int at = pending.back();
                pending.pop_back();
                of[static_cast<std::size_t>(at)] = id;
                ++corridor.boxes;
                for (const std::uint8_t side : kSides) {
                    const int next = at + SolverBoard::kStepAcross[side];
                    if ((board.Walls(at) & side) != 0) {
                        continue;
                    }
                    if (!SolverBoard::IsBox(next) || board.Sides(next) != 2) {
                        corridor.ended = true;
                    } else if (!seen[static_cast<std::size_t>(next)]) {
                        seen[static_cast<std::size_t>(next)] = true;
                        pending.push_back(next);
                    }
                }
            }
            corridors.push_back(corridor);
        }
    }
    return corridors;
}

// Joins the junction's two longest arms that are not joined yet, with the junction between.
void JoinAtJunction(const SolverBoard& board, int cell, const std::vector<int>& of,
                    std::vector<Corridor>& corridors, std::vector<int>& extra,
                    std::vector<std::uint8_t>& singles) {
    std::vector<int> arms;
    for (const std::uint8_t side : kSides) {
        const int next = cell + SolverBoard::kStepAcross[side];
        if ((board.Walls(cell) & side) == 0 && SolverBoard::IsBox(next) && board.Sides(next) == 2) {
            arms.push_back(Root(corridors, of[static_cast<std::size_t>(next)]));
        }
    }
    const auto length = [&](int root) {
        return corridors[static_cast<std::size_t>(root)].boxes +
               extra[static_cast<std::size_t>(root)];
    };
    std::sort(arms.begin(), arms.end(),
              [&](int a, int b) { return length(a) != length(b) ? length(a) > length(b) : a < b; });
    arms.erase(std::unique(arms.begin(), arms.end()), arms.end());
    if (arms.empty()) {
        singles.push_back(1);
        return;
    }
    if (arms.size() >= 2) {
        corridors[static_cast<std::size_t>(arms[1])].root = arms[0];
        extra[static_cast<std::size_t>(arms[0])] += length(arms[1]);
    }
    ++extra[static_cast<std::size_t>(arms[0])];
}

}  // namespace

SimpleComponents ApproximateComponents(const SolverBoard& board) {
    std::vector<int> of(SolverBoard::kCells, -1);
    std::vector<Corridor> corridors = FindCorridors(board, of);
    std::vector<int> extra(corridors.size(), 0);
    SimpleComponents components;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            if (board.Sides(SolverBoard::Cell(x, y)) <= 1) {
                JoinAtJunction(board, SolverBoard::Cell(x, y), of, corridors, extra,
                               components.chains);
            }
        }
    }
    for (std::size_t id = 0; id < corridors.size(); ++id) {
        if (corridors[id].root != static_cast<int>(id)) {
            continue;
        }
        const auto boxes = static_cast<std::uint8_t>(corridors[id].boxes + extra[id]);
        (corridors[id].ended ? components.chains : components.loops).push_back(boxes);
    }
    std::sort(components.chains.begin(), components.chains.end());
    std::sort(components.loops.begin(), components.loops.end());
    return components;
}

}  // namespace pennix
