// The computer's simple finders.
#include "finders.h"

#include <utility>

namespace pennix {

namespace {

// The side numbers of a random draw, 1..4, in the order top, bottom, left, right.
constexpr std::array<std::int16_t, 4> kRandomSides{kTop, kBottom, kLeft, kRight};

}  // namespace

std::optional<Wall> FindBoxToTake(const Game& game) {
    if (game.GameOver()) {
        return std::nullopt;
    }
    // In scan order the first wall that completes a box is the one free side of the first box,
    // column by column, that has three sides drawn.
    for (std::int16_t x = 1; x <= kColumns; ++x) {
        for (std::int16_t y = 1; y <= kRows; ++y) {
            const int walls = game.Board()(x, y).Walls;
            if (WallCount(walls) == 3) {
                return Wall{x, y, static_cast<std::int16_t>(kClosed & ~walls)};
            }
        }
    }
    return std::nullopt;
}

bool IsUnsafeWall(const Board& board, const Wall& wall) {
    return RaisesCountAbove(board, wall, 2);
}

SafeWalls::SafeWalls(const Game& game) {
    if (game.GameOver()) {
        return;
    }
    // A free side is safe when its box has at most one side drawn and so has the box across it,
    // if any: neither is then left with three. This is IsUnsafeWall's rule, applied box by box
    // rather than wall by wall because every level asks for the list on every pass and a box with
    // two sides rules out its four walls at once; the differential test holds the two equal.
    // Visiting the boxes and their sides in scan order keeps the list in scan order.
    const Board& board = game.Board();
    const auto sides_of = [&board](int x, int y) {
        return x < 1 || x > kColumns || y < 1 || y > kRows ? 0 : WallCount(board(x, y).Walls);
    };
    for (std::int16_t x = 1; x <= kColumns; ++x) {
        for (std::int16_t y = 1; y <= kRows; ++y) {
            const int walls = board(x, y).Walls;
            if (WallCount(walls) >= 2) {
                continue;
            }
            const std::array<std::pair<std::int16_t, int>, 4> sides{{
                {kTop, sides_of(x, y - 1)},
                {kBottom, sides_of(x, y + 1)},
                {kLeft, sides_of(x - 1, y)},
                {kRight, sides_of(x + 1, y)},
            }};
            for (const auto& [side, across] : sides) {
                if ((walls & side) == 0 && across < 2) {
                    walls_[count_++] = {x, y, side, 0};
                }
            }
        }
    }
}

std::optional<Wall> DrawRandomWall(const Game& game, RandomSource& random) {
    if (game.GameOver()) {
        return std::nullopt;
    }
    // The game is not over, so some wall is free and the draws end.
    for (;;) {
        const auto x = static_cast<std::int16_t>(random.Draw(kColumns));
        const auto y = static_cast<std::int16_t>(random.Draw(kRows));
        const std::int16_t side = kRandomSides[random.Draw(4) - 1];
        if (game.IsWallFree(x, y, side)) {
            return Wall{x, y, side};
        }
    }
}

std::optional<Wall> DrawSafeWall(const Game& game, RandomSource& random) {
    const SafeWalls safe(game);
    if (safe.Count() == 0) {
        return std::nullopt;
    }
    return safe.List()[random.Draw(safe.Count()) - 1].AsWall();
}

}  // namespace pennix
