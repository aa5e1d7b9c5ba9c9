// One running game: the board, whose turn it is, the box counts, the end and the match score.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "board.h"
#include "random_source.h"

namespace pennix {

// What followed a wall: the window decides from this what to show, the arena what to count.
struct WallOutcome {
    int boxes_closed = 0;
    bool turn_passed = false;     // the other player draws next
    bool game_ended = false;      // this wall owned the last box
    bool match_credited = false;  // and the match score counted the game (a draw counts nothing)

    friend bool operator==(const WallOutcome&, const WallOutcome&) = default;
};

class Game {
  public:
    Game();

    // Clears the board and the counts; the human draws first. Reseeds the random source from the
    // clock; the match score is kept.
    void NewGame();

    // False once the game is over: nothing more may be drawn.
    bool IsWallFree(const Wall& wall) const;
    bool IsWallFree(int x, int y, int side) const { return IsWallFree(MakeWall(x, y, side)); }

    // Draws the wall for the player to move and carries out everything that follows from it:
    // closed boxes go to that player, the turn passes when none closed, a full board ends the
    // game and credits the match once. The caller has checked IsWallFree on the same wall.
    WallOutcome PlaceWall(const Wall& wall);

    // Who drew the wall: kHuman, kComputer, or kNobody for a wall not drawn or one that a loaded
    // position brought along.
    char DrawnBy(const Wall& wall) const;

    // "You 3 Me 5" during play, the result line once the game is over.
    std::string ScoreLine() const;

    // Puts a position on the board, as if it had been played: the counts are recounted and a
    // full board ends the game without crediting the match. For tests and the benchmarks.
    void LoadPosition(const pennix::Board& board, char current_player);

    void SetMatchScore(std::int16_t human_wins, std::int16_t computer_wins);

    const pennix::Board& Board() const { return board_; }
    char CurrentPlayer() const { return current_player_; }
    std::int16_t HumanBoxes() const { return human_boxes_; }
    std::int16_t ComputerBoxes() const { return computer_boxes_; }
    bool GameOver() const { return game_over_; }
    std::int16_t HumanWins() const { return human_wins_; }
    std::int16_t ComputerWins() const { return computer_wins_; }
    RandomSource& Random() { return random_; }

  private:
    // Gives every unowned box with four sides to `player`; returns how many.
    int ClaimClosedBoxes(char player);
    void CountBoxes();
    // Ends the game once every box is owned; true when the match score changed.
    bool EndIfFull();

    pennix::Board board_;
    // By wall, in the order of the board's cells and their four sides.
    std::array<char, kDotColumns * kDotRows * 4> drawn_by_{};
    char current_player_ = kHuman;
    std::int16_t human_boxes_ = 0;
    std::int16_t computer_boxes_ = 0;
    bool game_over_ = false;
    std::int16_t human_wins_ = 0;
    std::int16_t computer_wins_ = 0;
    RandomSource random_;
};

}  // namespace pennix
