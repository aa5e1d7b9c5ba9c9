// The computer opponent's levels and its simple finders.
#include "opponent.h"

#include <utility>

namespace pennix {

namespace {

// The side numbers of a random draw, 1..4, in the order top, bottom, left, right.
constexpr std::array<std::int16_t, 4> kRandomSides{kTop, kBottom, kLeft, kRight};

}  // namespace

void Opponent::ComputerMove(Level level) {
    while (game_.CurrentPlayer() == kComputer && !game_.GameOver()) {
        PlayLevel(level);
    }
}

void Opponent::PlayLevel(Level level) {
    switch (level) {
        case Level::Easy:
            return PlayEasy();
        case Level::Medium:
            return PlayMedium();
        case Level::Hard:
            return PlayHard();
        case Level::Genius:
            return PlayGenius();
    }
}

void Opponent::PlayEasy() {
    RandomWall();
}

void Opponent::PlayMedium() {
    move_made_ = false;
    TakeBox();
    if (!move_made_) {
        RandomWall();
    }
}

void Opponent::PlayHard() {
    move_made_ = false;
    TakeBox();
    if (!move_made_) {
        SafeWall();
    }
    if (!move_made_) {
        RandomWall();
    }
}

void Opponent::PlayGenius() {
    move_made_ = false;
    LeaveTwoBoxes();
    if (!move_made_) {
        TakeBox();
    }
    if (!move_made_) {
        SafeWall();
    }
    if (!move_made_) {
        LeastLossWall();
    }
}

void Opponent::PlayWall(const Wall& wall) {
    game_.PlaceWall(wall.x, wall.y, wall.side, true);
}

void Opponent::RandomWall() {
    if (game_.GameOver()) {
        return;
    }
    // Uniform over the 320 (box, side) pairs until one is free: a wall between two boxes is
    // twice as likely as a border wall. The game is not over, so some wall is free.
    for (;;) {
        const auto x = static_cast<std::int16_t>(game_.Random().Draw(kColumns));
        const auto y = static_cast<std::int16_t>(game_.Random().Draw(kRows));
        const std::int16_t side = kRandomSides[game_.Random().Draw(4) - 1];
        if (game_.IsWallFree(x, y, side)) {
            return PlayWall({x, y, side});
        }
    }
}

std::optional<Wall> Opponent::FindBoxToTake() const {
    if (game_.GameOver()) {
        return std::nullopt;
    }
    // In scan order the first wall that completes a box is the one free side of the first box,
    // column by column, that has three sides drawn.
    for (std::int16_t x = 1; x <= kColumns; ++x) {
        for (std::int16_t y = 1; y <= kRows; ++y) {
            const int walls = game_.Board()(x, y).Walls;
            if (WallCount(walls) == 3) {
                return Wall{x, y, static_cast<std::int16_t>(kClosed & ~walls)};
            }
        }
    }
    return std::nullopt;
}

void Opponent::TakeBox() {
    if (const auto wall = FindBoxToTake()) {
        PlayWall(*wall);
        move_made_ = true;
    }
}

bool Opponent::IsUnsafeWall(int x, int y, int side) const {
    return RaisesCountAbove(game_.Board(), MakeWall(x, y, side), 2);
}

void Opponent::ListSafeWalls() {
    safe_count_ = 0;
    if (game_.GameOver()) {
        return;
    }
    // A free side is safe when its box has at most one side drawn and so has the box across it,
    // if any: neither is then left with three. This is IsUnsafeWall's rule, applied box by box
    // rather than wall by wall because every level asks for the list on every pass and a box with
    // two sides rules out its four walls at once; the differential test holds the two equal.
    // Visiting the boxes and their sides in scan order keeps the list in scan order.
    const Board& board = game_.Board();
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
                    safe_list_[safe_count_++] = {x, y, side, 0};
                }
            }
        }
    }
}

void Opponent::SafeWall() {
    ListSafeWalls();
    if (safe_count_ == 0) {
        return;
    }
    const int pick = game_.Random().Draw(safe_count_);
    PlayWall(safe_list_[pick - 1].AsWall());
    move_made_ = true;
}

void Opponent::LeaveTwoBoxes() {
    if (const auto wall = look_ahead_.FindLeaveTwoBoxes(game_)) {
        PlayWall(*wall);
        move_made_ = true;
    }
}

void Opponent::LeastLossWall() {
    // While the game runs every free wall gives something away by now, so there is a candidate.
    if (const auto candidate = look_ahead_.FindLeastLossWall(game_)) {
        PlayWall(candidate->AsWall());
    }
}

RandomMoveResult Opponent::RandomMoveForPlayer(Level level) {
    if (game_.GameOver()) {
        return RandomMoveResult::GameOver;
    }
    move_made_ = false;
    SafeWall();
    if (!move_made_) {
        return RandomMoveResult::NoSafeWall;
    }
    ComputerMove(level);
    return RandomMoveResult::Played;
}

}  // namespace pennix
