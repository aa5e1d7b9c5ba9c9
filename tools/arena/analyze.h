// What each move finder would play in a position, as the JSON object `analyze` prints.
#pragma once

#include <nlohmann/json.hpp>

#include "game/game.h"

namespace pennix::arena {

// Every finder is asked on its own, on the position as it stands, whoever is to move; nothing
// is drawn on the game.
nlohmann::ordered_json Analyze(Game& game);

}  // namespace pennix::arena
