// The rules of one game: drawing a wall, claiming boxes, passing the turn, the tally.
#include "game.h"

#include <limits>

#include "game_view.h"

namespace pennix {

namespace {

// The match score is 16-bit; a long enough match must stop at the top, never wrap to negative.
void Credit(std::int16_t& wins) {
    if (wins < std::numeric_limits<std::int16_t>::max()) {
        ++wins;
    }
}

}  // namespace

Game::Game(GameView* view) : view_(view) {
    NewGame();
}

void Game::NewGame() {
    board_ = pennix::Board{};
    computer_boxes_ = 0;
    human_boxes_ = 0;
    game_over_ = false;
    current_player_ = kHuman;
    random_.SeedFromClock();
}

bool Game::IsWallFree(int x, int y, int side) const {
    if (game_over_) {
        return false;
    }
    return !IsDrawn(board_, MakeWall(x, y, side));
}

void Game::PlaceWall(int x, int y, int side, bool animate) {
    const Wall wall = MakeWall(x, y, side);
    DrawWall(board_, wall);
    const std::int16_t human_before = human_boxes_;
    const std::int16_t computer_before = computer_boxes_;
    ClaimClosedBoxes(current_player_);
    Tally();
    if (view_ != nullptr) {
        view_->RefreshBoard();
    }
    if (current_player_ == kComputer && animate && view_ != nullptr) {
        view_->AnimateWall(x, y, side);
    }
    if (!game_over_ && human_boxes_ == human_before && computer_boxes_ == computer_before) {
        current_player_ = current_player_ == kHuman ? kComputer : kHuman;
    }
}

void Game::ClaimClosedBoxes(char player) {
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            BoxCell& box = board_(x, y);
            if (box.Owner == kNobody && box.Walls == kClosed) {
                box.Owner = player;
            }
        }
    }
}

void Game::CountBoxes() {
    human_boxes_ = 0;
    computer_boxes_ = 0;
    for (int y = 1; y <= kRows; ++y) {
        for (int x = 1; x <= kColumns; ++x) {
            const char owner = board_(x, y).Owner;
            human_boxes_ += owner == kHuman ? 1 : 0;
            computer_boxes_ += owner == kComputer ? 1 : 0;
        }
    }
}

void Game::Tally() {
    CountBoxes();
    if (human_boxes_ + computer_boxes_ != kBoxes) {
        return;
    }
    if (!game_over_) {
        if (human_boxes_ < computer_boxes_) {
            Credit(computer_wins_);
        } else if (human_boxes_ > computer_boxes_) {
            Credit(human_wins_);
        }
    }
    game_over_ = true;
}

std::string Game::ScoreLine() const {
    const std::string human = std::to_string(human_boxes_);
    const std::string computer = std::to_string(computer_boxes_);
    if (human_boxes_ + computer_boxes_ != kBoxes) {
        return "You " + human + " Me " + computer;
    }
    if (computer_boxes_ > human_boxes_) {
        return "Game over. I win! (" + computer + "-" + human + ")";
    }
    if (computer_boxes_ == human_boxes_) {
        return "Game over. It's a draw! (" + human + "-" + computer + ")";
    }
    return "Game over. You win! (" + human + "-" + computer + ")";
}

void Game::LoadPosition(const pennix::Board& board, char current_player) {
    board_ = board;
    current_player_ = current_player;
    CountBoxes();
    game_over_ = human_boxes_ + computer_boxes_ == kBoxes;
}

void Game::SetMatchScore(std::int16_t human_wins, std::int16_t computer_wins) {
    human_wins_ = human_wins;
    computer_wins_ = computer_wins;
}

}  // namespace pennix
