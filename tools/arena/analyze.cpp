// Asking the finders about a position without letting them draw.
#include "analyze.h"

#include <optional>

#include "opponent/opponent.h"

namespace pennix::arena {

namespace {

using nlohmann::ordered_json;

ordered_json WallJson(const Wall& wall) {
    return ordered_json::array({wall.x, wall.y, wall.side});
}

ordered_json WallOrNull(const std::optional<Wall>& wall) {
    return wall ? WallJson(*wall) : ordered_json(nullptr);
}

ordered_json SafeWallsJson(Opponent& opponent) {
    opponent.ListSafeWalls();
    ordered_json walls = ordered_json::array();
    for (const WallCandidate& candidate : opponent.SafeList()) {
        walls.push_back(WallJson(candidate.AsWall()));
    }
    return walls;
}

ordered_json LeastLossJson(Opponent& opponent, const Game& game) {
    const std::optional<WallCandidate> candidate = opponent.Look().FindLeastLossWall(game);
    if (!candidate) {
        return nullptr;
    }
    return ordered_json::array({candidate->X, candidate->Y, candidate->Side, candidate->Gain});
}

}  // namespace

nlohmann::ordered_json Analyze(Game& game) {
    Opponent opponent(game);
    ordered_json result;
    result["current_player"] = std::string(1, game.CurrentPlayer());
    result["human_boxes"] = game.HumanBoxes();
    result["computer_boxes"] = game.ComputerBoxes();
    result["game_over"] = game.GameOver();
    result["take_box"] = WallOrNull(opponent.FindBoxToTake());
    result["safe_walls"] = SafeWallsJson(opponent);
    result["leave_two_boxes"] = WallOrNull(opponent.Look().FindLeaveTwoBoxes(game));
    result["least_loss_wall"] = LeastLossJson(opponent, game);
    return result;
}

}  // namespace pennix::arena
