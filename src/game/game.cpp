// The rules of one game: drawing a wall, claiming boxes, passing the turn, the tally.
#include "game.h"

#include <limits>

namespace pennix {

namespace {

// The match score is 16-bit; a long enough match must stop at the top, never wrap to negative.
// A wall between two boxes is kept under the box above it or to its left, its right or bottom side.
std::size_t DrawerIndex(const Wall& wall) {
    Wall key = wall;
    Wall neighbour;
    if ((wall.side == kLeft || wall.side == kTop) && NeighbourOf(wall, neighbour)) {
        key = neighbour;
    }
    const int side = key.side == kLeft ? 0 : key.side == kRight ? 1 : key.side == kTop ? 2 : 3;
    return static_cast<std::size_t>((key.y * kDotColumns + key.x) * 4 + side);
}

bool Credit(std::int16_t& wins) {
    if (wins == std::numeric_limits<std::int16_t>::max()) {
        return false;
    }
    ++wins;
    return true;
}

}  // namespace

Game::Game() {
    NewGame();
}

void Game::NewGame() {
    board_ = pennix::Board{};
    drawn_by_.fill(kNobody);
    computer_boxes_ = 0;
    human_boxes_ = 0;
    game_over_ = false;
    current_player_ = kHuman;
    random_.SeedFromClock();
}

bool Game::IsWallFree(const Wall& wall) const {
    return !game_over_ && !IsDrawn(board_, wall);
}

WallOutcome Game::PlaceWall(const Wall& wall) {
    DrawWall(board_, wall);
    drawn_by_[DrawerIndex(wall)] = current_player_;
    WallOutcome outcome;
    outcome.boxes_closed = ClaimClosedBoxes(current_player_);
    CountBoxes();
    const bool was_over = game_over_;
    outcome.match_credited = EndIfFull();
    outcome.game_ended = game_over_ && !was_over;
    if (!game_over_ && outcome.boxes_closed == 0) {
        current_player_ = current_player_ == kHuman ? kComputer : kHuman;
        outcome.turn_passed = true;
    }
    return outcome;
}

int Game::ClaimClosedBoxes(char player) {
    int claimed = 0;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            BoxCell& box = board_(x, y);
            if (box.Owner == kNobody && box.Walls == kClosed) {
                box.Owner = player;
                ++claimed;
            }
        }
    }
    return claimed;
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

bool Game::EndIfFull() {
    if (game_over_ || human_boxes_ + computer_boxes_ != kBoxes) {
        return false;
    }
    game_over_ = true;
    if (human_boxes_ < computer_boxes_) {
        return Credit(computer_wins_);
    }
    if (human_boxes_ > computer_boxes_) {
        return Credit(human_wins_);
    }
    return false;
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

char Game::DrawnBy(const Wall& wall) const {
    return IsDrawn(board_, wall) ? drawn_by_[DrawerIndex(wall)] : kNobody;
}

void Game::LoadPosition(const pennix::Board& board, char current_player) {
    board_ = board;
    drawn_by_.fill(kNobody);
    current_player_ = current_player;
    CountBoxes();
    game_over_ = human_boxes_ + computer_boxes_ == kBoxes;
}

void Game::SetMatchScore(std::int16_t human_wins, std::int16_t computer_wins) {
    human_wins_ = human_wins;
    computer_wins_ = computer_wins;
}

}  // namespace pennix
