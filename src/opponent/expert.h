// The Expert level: the exact endgame, and the fight for control of the long chains before it.
#pragma once

#include <cstdint>
#include <optional>

#include "game/game.h"

namespace pennix {

// The work the Expert searches may do in one turn, the exact one first and then the estimating
// one, counted in positions: together at most about 60 ms on the development machine, and far
// less in almost every turn. A count rather than a clock keeps a seeded game the same on every
// machine.
inline constexpr std::int64_t kExpertExactBudget = 80'000;
inline constexpr std::int64_t kExpertEstimateBudget = 25'000;
// With this few free walls the exact search finishes well within its budget, so Expert plays
// such positions perfectly.
inline constexpr int kExpertExactFreeWalls = 20;
// With this few safe walls left, the estimating search weighs every way they can run out.
inline constexpr int kExpertSearchedSafeWalls = 24;

// The wall Expert draws for the player to move; nothing once the game is over. Draws from
// `random` only to choose among safe walls it finds equal.
std::optional<Wall> ChooseExpertWall(const Game& game, RandomSource& random);

// The number of chains of three boxes or more among the boxes with two sides drawn (loops not
// counted): what the long-chain rule is about.
int CountLongChains(const Board& board);

// The parity of long chains the player to move wants: with 99 dots the player who drew the
// first wall of the game (the human's side) wants an odd number, the other an even one.
bool WantsOddLongChains(char player);

}  // namespace pennix
