// The Genius look-ahead: handing over the last two boxes of a chain, and losing the least.
#include "opponent/look_ahead.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "game/game.h"
#include "opponent/computer_player.h"
#include "positions.h"

namespace pennix {
namespace {

using testing::CountWalls;
using testing::DrawBoard;
using testing::ParseBoard;

// The first `owned` boxes of columns 1 and 2, column by column, closed and owned; with fewer
// than 16, the rest of those columns keeps only the sides its closed neighbours give it.
Board OwnedInColumnsOneAndTwo(int owned) {
    Board board;
    int closed = 0;
    for (std::int16_t x = 1; x <= 2; ++x) {
        for (std::int16_t y = 1; y <= kRows && closed < owned; ++y, ++closed) {
            for (std::int16_t side : {kTop, kBottom, kLeft, kRight}) {
                DrawWall(board, {x, y, side});
            }
            board(x, y).Owner = closed % 2 == 0 ? kHuman : kComputer;
        }
    }
    return board;
}

Board With(Board board, std::initializer_list<Wall> walls) {
    for (const Wall& wall : walls) {
        DrawWall(board, wall);
    }
    return board;
}

// A chain of two, (9, 8) and (10, 8), opened at the right border: two boxes on offer.
Board ChainOfTwo(int owned) {
    return With(OwnedInColumnsOneAndTwo(owned),
                {{9, 8, kTop}, {9, 8, kBottom}, {10, 8, kTop}, {10, 8, kBottom}, {10, 8, kRight}});
}

class LookAheadTest : public ::testing::Test {
  protected:
    void Load(const Board& board, char player = kComputer) {
        game.LoadPosition(board, player);
        game.Random().Seed(11);
    }

    Game game;
    LookAhead look;
};

TEST_F(LookAheadTest, HandsOverTwoBoxesOnlyFromSixteenOwnedOn) {
    Load(ChainOfTwo(15));
    EXPECT_EQ(look.FindLeaveTwoBoxes(game), std::nullopt);
    EXPECT_EQ(ChooseWall(Level::Genius, game, game.Random()), (Wall{10, 8, kLeft}))
        << "at 15 owned the box is simply taken";

    Load(ChainOfTwo(16));
    // (3, 1) has its left side from column 2: its top is the first wall that opens nothing.
    EXPECT_EQ(look.FindLeaveTwoBoxes(game), (Wall{3, 1, kTop}));
    EXPECT_EQ(PlayComputerTurn(game, Level::Genius), (std::vector<Wall>{{3, 1, kTop}}));
    EXPECT_EQ(game.ComputerBoxes(), 8);
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
}

TEST_F(LookAheadTest, KeepsTheLastTwoBoxesOfTheGame) {
    // 78 owned. (1, 1) is on offer; a border side of (10, 8) would hand both boxes over.
    Board board = testing::FullBoard();
    board(1, 1) = {kTop | kRight | kBottom, kNobody};
    board(10, 8) = {kLeft | kTop, kNobody};
    Load(board);
    ASSERT_EQ(game.HumanBoxes() + game.ComputerBoxes(), 78);
    EXPECT_EQ(look.FindLeaveTwoBoxes(game), std::nullopt);
    PlayComputerTurn(game, Level::Genius);
    EXPECT_EQ(game.Board()(1, 1).Owner, kComputer);
    EXPECT_EQ(game.Board()(10, 8).Owner, kNobody);
    EXPECT_EQ(game.Board()(10, 8).Walls, kLeft | kTop | kBottom);  // then the least loss
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
}

TEST_F(LookAheadTest, EatsAChainOfFiveButTheLastTwoAndHandsThemOver) {
    const Board start = ParseBoard(testing::kChainOfFiveSixteenOwned);
    Load(start);
    PlayComputerTurn(game, Level::Genius);
    EXPECT_EQ(game.ComputerBoxes(), 8 + 3);
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
    EXPECT_EQ(game.Board()(6, 8).Owner, kNobody);
    EXPECT_EQ(game.Board()(7, 8).Owner, kNobody);
    EXPECT_EQ(game.Board()(3, 1).Walls & kTop, kTop);
    EXPECT_EQ(CountWalls(game.Board()), CountWalls(start) + 4) << DrawBoard(game.Board());
}

TEST_F(LookAheadTest, LeavesTwoSeparateSingleBoxesAlone) {
    Load(With(OwnedInColumnsOneAndTwo(16), {{5, 4, kTop},
                                            {5, 4, kLeft},
                                            {5, 4, kRight},
                                            {8, 6, kTop},
                                            {8, 6, kLeft},
                                            {8, 6, kBottom}}));
    PlayComputerTurn(game, Level::Genius);
    EXPECT_EQ(game.Board()(5, 4).Owner, kNobody);
    EXPECT_EQ(game.Board()(8, 6).Owner, kNobody);
    EXPECT_EQ(game.Board()(3, 1).Walls & kTop, kTop);
    EXPECT_EQ(game.CurrentPlayer(), kHuman);
}

TEST_F(LookAheadTest, AWallThatOpensOneBoxBesideOneOnOfferAlsoScoresTwo) {
    // (10, 8) is on offer; (3, 1) has two sides, so its bottom offers a second single box.
    Load(With(OwnedInColumnsOneAndTwo(16),
              {{3, 1, kTop}, {10, 8, kTop}, {10, 8, kBottom}, {10, 8, kRight}}));
    EXPECT_EQ(look.FindLeaveTwoBoxes(game), (Wall{3, 1, kBottom}));
}

TEST_F(LookAheadTest, TrialWallsThatCloseABoxAreNoCandidatesButThirdSidesAre) {
    const Board board = ChainOfTwo(16);
    look.CopyBoardToScratch(board);
    EXPECT_TRUE(look.IsClosingOrDrawn(board, {10, 8, kLeft}));  // closes (10, 8)
    EXPECT_TRUE(look.IsClosingOrDrawn(board, {9, 8, kRight}));  // the same wall
    EXPECT_TRUE(look.IsClosingOrDrawn(board, {9, 8, kTop}));    // drawn
    EXPECT_FALSE(look.IsClosingOrDrawn(board, {9, 8, kLeft}));  // a third side on (9, 8)
    EXPECT_FALSE(look.IsClosingOrDrawn(board, {8, 8, kRight}));
}

TEST_F(LookAheadTest, GreedyReplyTakesEverythingOnOfferInScanOrder) {
    look.CopyBoardToScratch(ParseBoard(testing::kChainOfFive));
    EXPECT_EQ(look.CountHumanBoxesInCopy(), 0);
    int taken = 0;
    while (look.TakeBoxInCopy()) {
        ++taken;
    }
    EXPECT_EQ(taken, 5);
    EXPECT_EQ(look.CountHumanBoxesInCopy(), 5);
    EXPECT_TRUE(look.IsWallFreeInCopy({5, 8, kTop}));
    EXPECT_FALSE(look.IsWallFreeInCopy({5, 8, kRight}));  // the chain's far end, taken last
}

// The copy starts from the human's own boxes only, and the reply takes the first box in scan
// order, column by column: (1, 8) before (2, 1).
TEST_F(LookAheadTest, TheCopyCountsTheHumansBoxesAndTheReplyTakesColumnByColumn) {
    look.CopyBoardToScratch(ParseBoard(testing::kChainOfFiveSixteenOwned));
    EXPECT_EQ(look.CountHumanBoxesInCopy(), 8);
    look.PlaceWallInCopy({1, 1, kTop});  // drawn, on a box owned already: credited once only
    EXPECT_EQ(look.CountHumanBoxesInCopy(), 8);

    look.CopyBoardToScratch(ParseBoard(testing::kTwoBoxesOnOffer));
    ASSERT_TRUE(look.TakeBoxInCopy());
    EXPECT_FALSE(look.IsWallFreeInCopy({1, 8, kRight}));
    EXPECT_TRUE(look.IsWallFreeInCopy({2, 1, kRight}));
    EXPECT_EQ(look.CountHumanBoxesInCopy(), 1);
}

TEST_F(LookAheadTest, AWallInTheCopyCreditsTheHumanWithEveryBoxItCloses) {
    // (4, 4) and (5, 4) with every side drawn but the one they share.
    const Board board = With(Board{}, {{4, 4, kTop},
                                       {4, 4, kBottom},
                                       {4, 4, kLeft},
                                       {5, 4, kTop},
                                       {5, 4, kBottom},
                                       {5, 4, kRight}});
    look.CopyBoardToScratch(board);
    look.PlaceWallInCopy({4, 4, kTop});  // drawn already: nothing changes
    EXPECT_EQ(look.CountHumanBoxesInCopy(), 0);
    look.PlaceWallInCopy({5, 4, kLeft});
    EXPECT_EQ(look.CountHumanBoxesInCopy(), 2);
    EXPECT_FALSE(look.IsWallFreeInCopy({4, 4, kRight}));  // the same wall, seen from the left
}

TEST_F(LookAheadTest, LeastLossWallGivesAwayTheShortestChainFirstInScanOrder) {
    Load(ParseBoard(testing::kThreeChainsInTheTopRow));
    const auto least = look.FindLeastLossWall(game);
    ASSERT_TRUE(least.has_value());
    EXPECT_EQ(*least, (WallCandidate{9, 1, kTop, 2}));
    // Every free wall was recorded, each with the length of the chain it opens.
    int gains[6] = {};
    for (const WallCandidate& c : look.CandidateList()) {
        ASSERT_LT(c.Gain, 6);
        ++gains[c.Gain];
    }
    EXPECT_EQ(gains[5], 10);  // (1..5, 1): left border, 4 shared walls twice, top of (5, 1)
    EXPECT_EQ(gains[3], 6);   // (6..8, 1): tops of (6, 1) and (8, 1), 2 shared walls twice
    EXPECT_EQ(gains[2], 4);   // (9..10, 1): top of (9, 1), the shared wall twice, right border

    EXPECT_EQ(ChooseWall(Level::Genius, game, game.Random()), least->AsWall());
}

TEST_F(LookAheadTest, GainCountsBothBoxesWhenTheLastWallClosesTwo) {
    // A loop of four boxes, (4..5, 4..5), with its outer sides drawn.
    Load(With(Board{}, {{4, 4, kTop},
                        {5, 4, kTop},
                        {4, 5, kBottom},
                        {5, 5, kBottom},
                        {4, 4, kLeft},
                        {4, 5, kLeft},
                        {5, 4, kRight},
                        {5, 5, kRight}}));
    const auto least = look.FindLeastLossWall(game);
    EXPECT_EQ(least, (WallCandidate{4, 4, kBottom, 4}));
    EXPECT_EQ(look.CandidateList().size(), 8u);
    for (const WallCandidate& c : look.CandidateList()) {
        EXPECT_EQ(c.Gain, 4);
    }
}

TEST_F(LookAheadTest, NothingToFindOnAFullBoard) {
    Load(testing::FullBoard());
    EXPECT_EQ(look.FindLeaveTwoBoxes(game), std::nullopt);
    EXPECT_EQ(look.FindLeastLossWall(game), std::nullopt);
}

}  // namespace
}  // namespace pennix
