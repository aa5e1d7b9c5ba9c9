// Thousands of seeded computer-against-computer games: the board's invariants after every wall.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game.h"
#include "opponent/computer_player.h"
#include "positions.h"

namespace pennix {
namespace {

using testing::DrawBoard;

struct Pairing {
    Level human;
    Level computer;
};

std::string PairingName(const ::testing::TestParamInfo<Pairing>& info) {
    return std::string(LevelName(info.param.human)) + "_vs_" +
           std::string(LevelName(info.param.computer));
}

// Shared walls on both boxes, owned exactly when closed, counts adding up.
void ExpectInvariants(const Game& game) {
    const Board& board = game.Board();
    int human = 0;
    int computer = 0;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            const BoxCell& box = board(x, y);
            ASSERT_EQ(box.Walls & ~kClosed, 0);
            if (x < kColumns) {
                ASSERT_EQ((box.Walls & kRight) != 0, (board(x + 1, y).Walls & kLeft) != 0);
            }
            if (y < kRows) {
                ASSERT_EQ((box.Walls & kBottom) != 0, (board(x, y + 1).Walls & kTop) != 0);
            }
            ASSERT_EQ(box.Owner != kNobody, box.Walls == kClosed) << DrawBoard(board);
            human += box.Owner == kHuman ? 1 : 0;
            computer += box.Owner == kComputer ? 1 : 0;
        }
    }
    ASSERT_EQ(game.HumanBoxes(), human);
    ASSERT_EQ(game.ComputerBoxes(), computer);
}

// Walls are only added, owners never change.
void ExpectGrowsFrom(const Board& before, const Board& after) {
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            ASSERT_EQ(after(x, y).Walls & before(x, y).Walls, before(x, y).Walls);
            if (before(x, y).Owner != kNobody) {
                ASSERT_EQ(after(x, y).Owner, before(x, y).Owner);
            }
        }
    }
}

class PropertyTest : public ::testing::TestWithParam<Pairing> {};

// Plays one game: the human's side by a level too, one wall at a time, and the computer's by
// whole turns, which must always come back. A twin game from the same seed plays the computer's
// walls one at a time, as the window does, until the outcome says the turn is over: it must draw
// the same walls. Counts the twin's walls that credited the match.
void PlayCheckedGame(Game& game, Game& twin, const Pairing& pairing, int& credited) {
    int walls = 0;
    while (!game.GameOver()) {
        const Board before = game.Board();
        if (game.CurrentPlayer() == kHuman) {
            game.PlaceWall(*ChooseWall(pairing.human, game, game.Random()));
            credited +=
                twin.PlaceWall(*ChooseWall(pairing.human, twin, twin.Random())).match_credited;
            ++walls;
        } else {
            const std::vector<Wall> turn = PlayComputerTurn(game, pairing.computer);
            walls += static_cast<int>(turn.size());
            ASSERT_TRUE(game.CurrentPlayer() == kHuman || game.GameOver());
            std::vector<Wall> one_by_one;
            WallOutcome outcome;
            do {
                one_by_one.push_back(*ChooseWall(pairing.computer, twin, twin.Random()));
                outcome = twin.PlaceWall(one_by_one.back());
                credited += outcome.match_credited;
            } while (!outcome.turn_passed && !outcome.game_ended);
            ASSERT_EQ(one_by_one, turn);
        }
        ASSERT_EQ(testing::CountWalls(game.Board()), walls);
        ASSERT_EQ(twin.Board(), game.Board());
        ASSERT_NO_FATAL_FAILURE(ExpectInvariants(game));
        ASSERT_NO_FATAL_FAILURE(ExpectGrowsFrom(before, game.Board()));
    }
    ASSERT_EQ(walls, 178);
    ASSERT_EQ(game.HumanBoxes() + game.ComputerBoxes(), kBoxes);
}

#ifndef PENNIX_EXPERT_PROPERTY_GAMES
#define PENNIX_EXPERT_PROPERTY_GAMES 12
#endif

// Expert searches for a good part of a second on some walls: a few of its games against each
// level keep the run short, and its own tests weigh its play.
int GamesFor(const Pairing& pairing) {
    const bool expert = pairing.human == Level::Expert || pairing.computer == Level::Expert;
    return expert ? PENNIX_EXPERT_PROPERTY_GAMES : 250;
}

TEST_P(PropertyTest, EveryGameEndsWholeAndCreditsTheMatchOnce) {
    const int games = GamesFor(GetParam());
    Game game;
    Game twin;
    int human_wins = 0;
    int computer_wins = 0;
    for (int i = 0; i < games; ++i) {
        const auto seed = static_cast<std::uint64_t>(i) * 7919u + 3u;
        for (Game* g : {&game, &twin}) {
            g->NewGame();
            g->Random().Seed(seed);
        }
        int credited = 0;
        ASSERT_NO_FATAL_FAILURE(PlayCheckedGame(game, twin, GetParam(), credited))
            << "seed " << seed << "\n"
            << DrawBoard(game.Board());
        const bool draw = game.HumanBoxes() == game.ComputerBoxes();
        ASSERT_EQ(credited, draw ? 0 : 1) << "seed " << seed;
        human_wins += game.HumanBoxes() > game.ComputerBoxes() ? 1 : 0;
        computer_wins += game.HumanBoxes() < game.ComputerBoxes() ? 1 : 0;
        ASSERT_EQ(game.HumanWins(), human_wins);
        ASSERT_EQ(game.ComputerWins(), computer_wins);
        ASSERT_EQ(twin.HumanWins(), human_wins);
        ASSERT_EQ(twin.ComputerWins(), computer_wins);
    }
}

INSTANTIATE_TEST_SUITE_P(AllLevelPairings, PropertyTest, ::testing::ValuesIn([] {
                             std::vector<Pairing> pairings;
                             for (Level human : kLevels) {
                                 for (Level computer : kLevels) {
                                     pairings.push_back({human, computer});
                                 }
                             }
                             return pairings;
                         }()),
                         PairingName);

}  // namespace
}  // namespace pennix
