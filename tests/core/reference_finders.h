// The computer's finders written the plain way, step by step, as the yardstick the fast
// production finders are checked against.
#pragma once

#include <optional>
#include <vector>

#include "game/game.h"
#include "opponent/wall_candidate.h"

namespace pennix::reference {

std::optional<Wall> TakeBox(const Game& game);
std::vector<WallCandidate> SafeList(const Game& game);
std::optional<Wall> LeaveTwoBoxes(const Game& game);
std::optional<WallCandidate> LeastLossWall(const Game& game);

}  // namespace pennix::reference
