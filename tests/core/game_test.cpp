// The rules of one game: turn passing, claiming, the tally, the match credit and the score line.
#include "game/game.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board_picture.h"
#include "game/game_view.h"
#include "positions.h"

namespace pennix {
namespace {

using testing::AllButOneBox;

// Records what the game tells its view, and what the game looked like at that moment.
class RecordingView : public GameView {
  public:
    explicit RecordingView(const Game& game) : game_(game) {}

    void RefreshBoard() override {
        calls.push_back("refresh " + game_.ScoreLine() + " turn " + game_.CurrentPlayer());
    }
    void AnimateWall(int x, int y, int side) override {
        calls.push_back("animate " + std::to_string(x) + "," + std::to_string(y) + "," +
                        std::to_string(side) + " turn " + game_.CurrentPlayer());
    }

    std::vector<std::string> calls;

  private:
    const Game& game_;
};

TEST(GameTest, NewGameClearsEverythingButTheMatch) {
    Game game;
    game.SetMatchScore(3, 4);
    game.PlaceWall(1, 1, kTop, false);
    game.NewGame();
    EXPECT_EQ(game.Board(), Board{});
    EXPECT_EQ(game.HumanBoxes(), 0);
    EXPECT_EQ(game.ComputerBoxes(), 0);
    EXPECT_FALSE(game.GameOver());
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
    EXPECT_EQ(game.HumanWins(), 3);
    EXPECT_EQ(game.ComputerWins(), 4);
    EXPECT_EQ(game.ScoreLine(), "You 0 Me 0");
}

TEST(GameTest, WallThatClosesNothingPassesTheTurnBothWays) {
    Game game;
    game.PlaceWall(3, 5, kRight, false);
    EXPECT_EQ(game.CurrentPlayer(), kComputer);
    EXPECT_FALSE(game.IsWallFree(4, 5, kLeft));
    EXPECT_TRUE(game.IsWallFree(4, 5, kRight));
    game.PlaceWall(1, 1, kLeft, true);
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
}

TEST(GameTest, ClosingABoxKeepsTheTurnAndGivesItToTheMover) {
    Game game;
    game.LoadPosition(testing::ParseBoard(R"(
.-. . . . . . . . . .
| |
. . . . . . . . . . .
)"),
                      kComputer);
    EXPECT_TRUE(game.IsWallFree(1, 1, kBottom));  // free even though it would close the box
    game.PlaceWall(1, 1, kBottom, true);
    EXPECT_EQ(game.Board()(1, 1).Owner, kComputer);
    EXPECT_EQ(game.ComputerBoxes(), 1);
    EXPECT_EQ(game.CurrentPlayer(), kComputer);
    EXPECT_EQ(game.ScoreLine(), "You 0 Me 1");
}

TEST(GameTest, OneWallCanCloseTwoBoxes) {
    Game game;
    game.LoadPosition(testing::ParseBoard(R"(
.-.-. . . . . . . . .
|   |
.-.-. . . . . . . . .
)"),
                      kHuman);
    game.PlaceWall(1, 1, kRight, false);
    EXPECT_EQ(game.Board()(1, 1).Owner, kHuman);
    EXPECT_EQ(game.Board()(2, 1).Owner, kHuman);
    EXPECT_EQ(game.HumanBoxes(), 2);
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
}

TEST(GameTest, DrawingADrawnWallChangesNothingButPassesTheTurn) {
    Game game;
    game.PlaceWall(2, 2, kTop, false);
    const Board before = game.Board();
    game.PlaceWall(2, 2, kTop, false);
    EXPECT_EQ(game.Board(), before);
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
}

TEST(GameTest, ViewIsRefreshedAfterTheTallyAndAnimatedBeforeTheTurnPasses) {
    Game game;
    RecordingView view(game);
    game.SetView(&view);
    game.PlaceWall(1, 1, kTop, false);  // the human's wall: never animated
    game.PlaceWall(5, 5, kTop, true);   // the computer's wall: animated while it still moves
    game.PlaceWall(6, 6, kTop, true);   // the human's wall, even when asked to animate
    game.PlaceWall(5, 5, kLeft, true);
    game.PlaceWall(5, 5, kBottom, false);
    game.PlaceWall(5, 5, kRight, true);  // closes the box: the redraw shows it counted
    const std::vector<std::string> expected = {
        "refresh You 0 Me 0 turn H", "refresh You 0 Me 0 turn C", "animate 5,5,4 turn C",
        "refresh You 0 Me 0 turn H", "refresh You 0 Me 0 turn C", "animate 5,5,1 turn C",
        "refresh You 0 Me 0 turn H", "refresh You 0 Me 1 turn C", "animate 5,5,2 turn C",
    };
    EXPECT_EQ(view.calls, expected);
}

TEST(GameTest, ComputerWallWithoutAnimationIsNotAnimated) {
    Game game;
    RecordingView view(game);
    game.SetView(&view);
    game.PlaceWall(1, 1, kTop, false);
    game.PlaceWall(2, 2, kTop, false);
    EXPECT_EQ(view.calls.size(), 2u);
}

TEST(GameTest, LastBoxEndsTheGameKeepsTheTurnAndRefusesEveryWall) {
    Game game;
    RecordingView view(game);
    game.LoadPosition(AllButOneBox(44), kHuman);
    game.SetView(&view);
    game.PlaceWall(10, 8, kRight, false);
    EXPECT_TRUE(game.GameOver());
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
    EXPECT_EQ(game.HumanWins(), 1);
    EXPECT_EQ(game.ComputerWins(), 0);
    EXPECT_EQ(view.calls.back(), "refresh Game over. You win! (45-35) turn H");
    for (const Wall& wall : kScanOrder) {
        ASSERT_FALSE(game.IsWallFree(wall.x, wall.y, wall.side));
    }
}

TEST(GameTest, ResultLinePutsTheWinnerFirstAndCreditsOnce) {
    struct Case {
        int human_before_last;
        char last_mover;
        const char* line;
        int human_wins;
        int computer_wins;
    };
    const Case cases[] = {
        {44, kHuman, "Game over. You win! (45-35)", 1, 0},
        {32, kComputer, "Game over. I win! (48-32)", 0, 1},
        {40, kComputer, "Game over. It's a draw! (40-40)", 0, 0},
        {39, kHuman, "Game over. It's a draw! (40-40)", 0, 0},
    };
    for (const Case& c : cases) {
        Game game;
        game.LoadPosition(AllButOneBox(c.human_before_last), c.last_mover);
        game.PlaceWall(10, 8, kRight, false);
        game.Tally();  // a repaint of the finished game
        game.Tally();
        EXPECT_EQ(game.ScoreLine(), c.line);
        EXPECT_EQ(game.HumanWins(), c.human_wins) << c.line;
        EXPECT_EQ(game.ComputerWins(), c.computer_wins) << c.line;
    }
}

TEST(GameTest, ResettingTheMatchAfterAGameDoesNotCreditItAgain) {
    Game game;
    game.LoadPosition(AllButOneBox(10), kComputer);
    game.PlaceWall(10, 8, kRight, true);
    EXPECT_EQ(game.ComputerWins(), 1);
    game.SetMatchScore(0, 0);
    game.Tally();
    EXPECT_EQ(game.ComputerWins(), 0);
}

TEST(GameTest, MatchCreditStopsAtTheTopOfItsRange) {
    Game game;
    game.SetMatchScore(32767, 32766);
    game.LoadPosition(AllButOneBox(44), kHuman);
    game.PlaceWall(10, 8, kRight, false);
    EXPECT_EQ(game.HumanWins(), 32767);

    game.NewGame();
    game.LoadPosition(AllButOneBox(30), kComputer);
    game.PlaceWall(10, 8, kRight, false);
    EXPECT_EQ(game.ComputerWins(), 32767);
    game.NewGame();
    game.LoadPosition(AllButOneBox(30), kComputer);
    game.PlaceWall(10, 8, kRight, false);
    EXPECT_EQ(game.ComputerWins(), 32767);
}

// Seeding the source before a new game must not carry into it: the new game starts from the
// clock, as the game before it did, so no game replays the computer's choices of another.
TEST(GameTest, NewGameReseedsTheRandomSourceFromTheClock) {
    Game game;
    game.Random().Seed(5);
    game.NewGame();
    RandomSource seeded;
    seeded.Seed(5);
    int same = 0;
    for (int i = 0; i < 8; ++i) {
        same += game.Random().NextFloat() == seeded.NextFloat() ? 1 : 0;
    }
    EXPECT_LT(same, 8);
}

// The boxes of the game before must not linger on the new game's score line until its first
// wall is drawn.
TEST(GameTest, NewGameAfterAFinishedGameStartsTheCountsAtNothing) {
    Game game;
    game.LoadPosition(AllButOneBox(30), kComputer);
    game.PlaceWall(10, 8, kRight, false);
    ASSERT_TRUE(game.GameOver());
    game.NewGame();
    EXPECT_EQ(game.HumanBoxes(), 0);
    EXPECT_EQ(game.ComputerBoxes(), 0);
    EXPECT_EQ(game.ScoreLine(), "You 0 Me 0");
    EXPECT_FALSE(game.GameOver());
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
    EXPECT_TRUE(game.IsWallFree(1, 1, kTop));
    EXPECT_EQ(game.ComputerWins(), 1);
}

TEST(GameTest, NewGameMidwayCreditsNobody) {
    Game game;
    game.LoadPosition(AllButOneBox(60), kHuman);
    game.NewGame();
    game.Tally();
    EXPECT_EQ(game.HumanWins(), 0);
    EXPECT_EQ(game.ComputerWins(), 0);
}

}  // namespace
}  // namespace pennix
