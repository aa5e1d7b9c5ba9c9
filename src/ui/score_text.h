// The score line under the board, worded in the window's language from the game's counts.
#pragma once

#include <QString>

#include "game/game.h"

namespace pennix {

// "You 3 Me 5" during play, the result line once every box is owned; in English the same
// words as Game::ScoreLine, which the arena prints.
QString ScoreText(const Game& game);

}  // namespace pennix
