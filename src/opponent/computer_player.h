// The computer's choice of wall at each level, its whole turn for headless play, and "Rnd".
#pragma once

#include <optional>
#include <vector>

#include "game/game.h"
#include "level.h"

namespace pennix {

// The wall the computer draws next at `level` for whoever is to move; nothing once the game is
// over. Draws from `random` in a fixed order, so a seed replays the same game.
std::optional<Wall> ChooseWall(Level level, const Game& game, RandomSource& random);

// Plays walls at `level` until the turn passes or the game ends, and returns them in the order
// drawn; none when it is not the computer's turn. For the arena and the tests: the window plays
// the same walls one at a time, blinking each.
std::vector<Wall> PlayComputerTurn(Game& game, Level level);

// The "Rnd" aid: a random wall for the human that gives nothing away; nothing when no such
// wall is left or the game is over.
std::optional<Wall> ChooseHelpWall(Game& game);

}  // namespace pennix
