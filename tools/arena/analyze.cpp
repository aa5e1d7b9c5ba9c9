// Asking the finders about a position without letting them draw.
#include "analyze.h"

#include <optional>

#include "opponent/computer_player.h"
#include "opponent/endgame_solver.h"
#include "opponent/expert.h"
#include "opponent/finders.h"
#include "opponent/look_ahead.h"

namespace pennix::arena {

namespace {

using nlohmann::ordered_json;

ordered_json WallJson(const Wall& wall) {
    return ordered_json::array({wall.x, wall.y, wall.side});
}

ordered_json WallOrNull(const std::optional<Wall>& wall) {
    return wall ? WallJson(*wall) : ordered_json(nullptr);
}

ordered_json SafeWallsJson(const Game& game) {
    ordered_json walls = ordered_json::array();
    for (const WallCandidate& candidate : SafeWalls(game).List()) {
        walls.push_back(WallJson(candidate.AsWall()));
    }
    return walls;
}

ordered_json LeastLossJson(LookAhead& look, const Game& game) {
    const std::optional<WallCandidate> candidate = look.FindLeastLossWall(game);
    if (!candidate) {
        return nullptr;
    }
    return ordered_json::array({candidate->X, candidate->Y, candidate->Side, candidate->Gain});
}

// Expert draws from the random source only among safe walls it finds equal; a fixed seed makes
// the analysis of a record the same on every run.
constexpr std::uint64_t kExpertSeed = 1;

ordered_json ExpertWallJson(const Game& game) {
    RandomSource random;
    random.Seed(kExpertSeed);
    return WallOrNull(ChooseWall(Level::Expert, game, random));
}

// Solved without a budget: with at most 20 free walls the exact search is quick.
ordered_json ExpertValueJson(const Game& game) {
    if (game.GameOver()) {
        return 0;
    }
    if (SolverBoard(game.Board()).FreeWalls() > kExpertExactFreeWalls) {
        return nullptr;
    }
    return EndgameSolver().Solve(game.Board()).value;
}

}  // namespace

nlohmann::ordered_json Analyze(Game& game) {
    LookAhead look;
    ordered_json result;
    result["current_player"] = std::string(1, game.CurrentPlayer());
    result["human_boxes"] = game.HumanBoxes();
    result["computer_boxes"] = game.ComputerBoxes();
    result["game_over"] = game.GameOver();
    result["take_box"] = WallOrNull(FindBoxToTake(game));
    result["safe_walls"] = SafeWallsJson(game);
    result["leave_two_boxes"] = WallOrNull(look.FindLeaveTwoBoxes(game));
    result["least_loss_wall"] = LeastLossJson(look, game);
    result["expert_wall"] = ExpertWallJson(game);
    result["expert_value"] = ExpertValueJson(game);
    return result;
}

}  // namespace pennix::arena
