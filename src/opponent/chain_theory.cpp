// The value of independent chains and loops.
#include "chain_theory.h"

#include <algorithm>
#include <array>

namespace pennix {

namespace {

constexpr std::array<std::uint8_t, 4> kSides{kTop, kBottom, kLeft, kRight};

// Once a chain of n is opened the other player takes all (n, then moves on: n + rest) or hands
// two back and keeps control (n - 4 - rest); a loop of n costs four to keep (n - 8 - rest).
int OpenedValue(int boxes, bool loop, int rest) {
    const int take_all = boxes + rest;
    if (boxes <= 2 && !loop) {
        return -take_all;  // a single box, or a pair opened in its middle, cannot be handed back
    }
    const int keep_control = boxes - (loop ? 8 : 4) - rest;
    return -std::max(take_all, keep_control);
}

// A multiset of components is remembered by the sum of one random-looking number per
// component, which taking one out updates by a subtraction.
std::uint64_t ComponentKey(int boxes, bool loop) {
    std::uint64_t z =
        static_cast<std::uint64_t>(boxes + (loop ? 128 : 0) + 1) * 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// The component through `start`: its boxes, and whether it meets the border (a chain) or not.
std::pair<int, bool> Flood(const SolverBoard& board, int start,
                           std::array<bool, SolverBoard::kCells>& seen) {
    std::array<int, kBoxes> pending{};
    int pending_count = 0;
    pending[pending_count++] = start;
    seen[static_cast<std::size_t>(start)] = true;
    int boxes = 0;
    bool border = false;
    while (pending_count > 0) {
        const int cell = pending[--pending_count];
        ++boxes;
        for (const std::uint8_t side : kSides) {
            if ((board.Walls(cell) & side) != 0) {
                continue;
            }
            const int next = cell + SolverBoard::kStepAcross[side];
            if (!SolverBoard::IsBox(next)) {
                border = true;
            } else if (!seen[static_cast<std::size_t>(next)]) {
                seen[static_cast<std::size_t>(next)] = true;
                pending[pending_count++] = next;
            }
        }
    }
    return {boxes, border};
}

}  // namespace

bool IsSimple(const SolverBoard& board) {
    return board.BoxesWith(0) + board.BoxesWith(1) + board.BoxesWith(3) == 0;
}

SimpleComponents Decompose(const SolverBoard& board) {
    SimpleComponents components;
    std::array<bool, SolverBoard::kCells> seen{};
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            const int cell = SolverBoard::Cell(x, y);
            if (board.Sides(cell) == 4 || seen[static_cast<std::size_t>(cell)]) {
                continue;
            }
            const auto [boxes, chain] = Flood(board, cell, seen);
            (chain ? components.chains : components.loops)
                .push_back(static_cast<std::uint8_t>(boxes));
        }
    }
    std::sort(components.chains.begin(), components.chains.end());
    std::sort(components.loops.begin(), components.loops.end());
    return components;
}

int ChainTheory::Value(const SimpleComponents& components) {
    std::vector<std::uint8_t> chains = components.chains;
    std::vector<std::uint8_t> loops = components.loops;
    std::uint64_t key = 0;
    for (const std::uint8_t boxes : chains) {
        key += ComponentKey(boxes, false);
    }
    for (const std::uint8_t boxes : loops) {
        key += ComponentKey(boxes, true);
    }
    return Solve(chains, loops, key);
}

int ChainTheory::Solve(std::vector<std::uint8_t>& chains, std::vector<std::uint8_t>& loops,
                       std::uint64_t key) {
    if (chains.empty() && loops.empty()) {
        return 0;
    }
    if (const auto found = memo_.find(key); found != memo_.end()) {
        return found->second;
    }
    int best = -kBoxes - 1;
    // Equal components are interchangeable: open the first of each length only.
    for (int kind = 0; kind < 2; ++kind) {
        std::vector<std::uint8_t>& list = kind == 0 ? chains : loops;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (i > 0 && list[i] == list[i - 1]) {
                continue;
            }
            const std::uint8_t boxes = list[i];
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
            const int rest = Solve(chains, loops, key - ComponentKey(boxes, kind == 1));
            list.insert(list.begin() + static_cast<std::ptrdiff_t>(i), boxes);
            best = std::max(best, OpenedValue(boxes, kind == 1, rest));
        }
    }
    memo_.emplace(key, best);
    return best;
}

}  // namespace pennix
