// Playing a match: games handed out to worker threads by index, tallies merged at the end.
#include "match.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>
#include <optional>
#include <stdexcept>
#include <thread>
#include <vector>

#include "game/game.h"
#include "opponent/computer_player.h"

namespace pennix::arena {

namespace {

constexpr double kZ95 = 1.96;

using Clock = std::chrono::steady_clock;

std::uint64_t Nanoseconds(Clock::duration duration) {
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(duration).count());
}

void Count(SideResult& side, int own_boxes, int other_boxes, bool moved_first) {
    side.first_moves += moved_first ? 1 : 0;
    side.boxes += own_boxes;
    if (own_boxes > other_boxes) {
        ++side.wins;
    } else if (own_boxes == other_boxes) {
        ++side.draws;
    } else {
        ++side.losses;
    }
}

void AddTallies(SideResult& into, const SideResult& from) {
    into.first_moves += from.first_moves;
    into.wins += from.wins;
    into.draws += from.draws;
    into.losses += from.losses;
    into.boxes += from.boxes;
    into.thinking.Merge(from.thinking);
}

// What one worker thread gathers; merged into the match result when it is done.
struct Worker {
    std::array<SideResult, 2> sides;
    Clock::time_point finished;
    std::exception_ptr failure;
};

void PlayGames(const MatchOptions& options, std::atomic<std::int64_t>& next_game,
               std::atomic<int>* games_done, Worker& worker) {
    try {
        for (std::int64_t i = next_game++; i < options.games; i = next_game++) {
            const bool a_first = i % 2 == 0;
            SideResult& a = worker.sides[0];
            SideResult& b = worker.sides[1];
            SideResult& first = a_first ? a : b;
            SideResult& second = a_first ? b : a;
            const GameOutcome outcome =
                PlayGame(first.level, second.level, GameSeed(options.seed, i), first.thinking,
                         second.thinking);
            Count(first, outcome.first_boxes, outcome.second_boxes, true);
            Count(second, outcome.second_boxes, outcome.first_boxes, false);
            if (games_done != nullptr) {
                ++*games_done;
            }
        }
    } catch (...) {
        worker.failure = std::current_exception();
    }
    worker.finished = Clock::now();
}

}  // namespace

std::uint64_t GameSeed(std::uint64_t match_seed, std::int64_t index) {
    std::uint64_t z = match_seed + static_cast<std::uint64_t>(index + 1) * 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

GameOutcome PlayGame(Level first, Level second, std::uint64_t seed, ThinkingTime& first_time,
                     ThinkingTime& second_time) {
    Game game;
    game.Random().Seed(seed);
    // Every pass draws exactly one wall, so a game has at most this many; more would be a fault
    // in a level, and a match must report it rather than spin.
    for (int walls = 0; !game.GameOver(); ++walls) {
        if (walls == kWallCount) {
            throw std::logic_error("a level drew no wall: the game did not end after every wall");
        }
        const bool first_to_move = game.CurrentPlayer() == kHuman;
        const Clock::time_point start = Clock::now();
        const std::optional<Wall> wall =
            ChooseWall(first_to_move ? first : second, game, game.Random());
        if (wall) {
            game.PlaceWall(*wall);
        }
        const std::uint64_t spent = Nanoseconds(Clock::now() - start);
        (first_to_move ? first_time : second_time).Add(spent);
    }
    return {game.HumanBoxes(), game.ComputerBoxes()};
}

MatchResult PlayMatch(const MatchOptions& options, std::atomic<int>* games_done) {
    MatchResult result;
    result.options = options;
    result.sides[0].level = options.level_a;
    result.sides[1].level = options.level_b;

    std::vector<Worker> workers(static_cast<std::size_t>(options.jobs));
    for (Worker& worker : workers) {
        worker.sides = result.sides;
    }
    std::atomic<std::int64_t> next_game = 0;
    const Clock::time_point start = Clock::now();
    {
        std::vector<std::jthread> threads;
        for (Worker& worker : workers) {
            threads.emplace_back(PlayGames, std::cref(options), std::ref(next_game), games_done,
                                 std::ref(worker));
        }
    }
    Clock::time_point finished = start;
    for (const Worker& worker : workers) {
        if (worker.failure) {
            std::rethrow_exception(worker.failure);
        }
        finished = std::max(finished, worker.finished);
        AddTallies(result.sides[0], worker.sides[0]);
        AddTallies(result.sides[1], worker.sides[1]);
    }
    result.seconds = std::chrono::duration<double>(finished - start).count();
    return result;
}

Score ScoreOf(const SideResult& side) {
    const auto games = static_cast<double>(side.Games());
    if (games == 0) {
        return {};
    }
    const double points = static_cast<double>(side.wins) + 0.5 * static_cast<double>(side.draws);
    const double mean = points / games;
    if (games < 2) {
        return {mean, 0};
    }
    // Squared deviations of the three possible per-game scores, weighted by how often each came.
    const double squares = static_cast<double>(side.wins) * (1 - mean) * (1 - mean) +
                           static_cast<double>(side.draws) * (0.5 - mean) * (0.5 - mean) +
                           static_cast<double>(side.losses) * mean * mean;
    const double sd = std::sqrt(squares / (games - 1));
    return {mean, kZ95 * sd / std::sqrt(games)};
}

}  // namespace pennix::arena
