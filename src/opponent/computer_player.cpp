// Each level tries its finders in its own order and draws the first wall one of them finds.
#include "computer_player.h"

#include "expert.h"
#include "finders.h"
#include "look_ahead.h"

namespace pennix {

namespace {

std::optional<Wall> ChooseMedium(const Game& game, RandomSource& random) {
    if (const auto take = FindBoxToTake(game)) {
        return take;
    }
    return DrawRandomWall(game, random);
}

std::optional<Wall> ChooseHard(const Game& game, RandomSource& random) {
    if (const auto take = FindBoxToTake(game)) {
        return take;
    }
    if (const auto safe = DrawSafeWall(game, random)) {
        return safe;
    }
    return DrawRandomWall(game, random);
}

// While the game runs, every free wall gives something away by the time the least-loss search
// is reached, so it always finds one.
std::optional<Wall> ChooseGenius(const Game& game, RandomSource& random) {
    LookAhead look;
    if (const auto hand_over = look.FindLeaveTwoBoxes(game)) {
        return hand_over;
    }
    if (const auto take = FindBoxToTake(game)) {
        return take;
    }
    if (const auto safe = DrawSafeWall(game, random)) {
        return safe;
    }
    if (const auto least = look.FindLeastLossWall(game)) {
        return least->AsWall();
    }
    return std::nullopt;
}

}  // namespace

std::optional<Wall> ChooseWall(Level level, const Game& game, RandomSource& random) {
    if (game.GameOver()) {
        return std::nullopt;
    }
    switch (level) {
        case Level::Easy:
            return DrawRandomWall(game, random);
        case Level::Medium:
            return ChooseMedium(game, random);
        case Level::Hard:
            return ChooseHard(game, random);
        case Level::Genius:
            return ChooseGenius(game, random);
        case Level::Expert:
            break;
    }
    return ChooseExpertWall(game, random);
}

std::vector<Wall> PlayComputerTurn(Game& game, Level level) {
    std::vector<Wall> walls;
    while (game.CurrentPlayer() == kComputer) {
        const std::optional<Wall> wall = ChooseWall(level, game, game.Random());
        if (!wall) {
            break;
        }
        game.PlaceWall(*wall);
        walls.push_back(*wall);
    }
    return walls;
}

std::optional<Wall> ChooseHelpWall(Game& game) {
    return DrawSafeWall(game, game.Random());
}

}  // namespace pennix
