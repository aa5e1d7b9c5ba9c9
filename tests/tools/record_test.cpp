// Reading game records: the grammar of a line, the line numbers of errors, replaying by the rules.
#include "record.h"

#include <gtest/gtest.h>

#include <ios>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>

#include "record_texts.h"
#include "text.h"

namespace pennix::arena {
namespace {

struct GoodLine {
    const char* text;
    Wall wall;
};

TEST(RecordLine, ReadsAWallWhateverTheBlanksAroundIt) {
    const GoodLine cases[] = {
        {"1 1 top", {1, 1, kTop}},
        {"10 8 bottom", {10, 8, kBottom}},
        {"  3\t5   right  ", {3, 5, kRight}},
        {"\t4 2 left\t", {4, 2, kLeft}},
        {"3 5 right\r", {3, 5, kRight}},
        {"3 5 right \t\r", {3, 5, kRight}},
        {"007 08 left", {7, 8, kLeft}},
    };
    for (const GoodLine& line : cases) {
        const RecordLine parsed = ParseRecordLine(line.text);
        ASSERT_TRUE(std::holds_alternative<Wall>(parsed)) << line.text;
        EXPECT_EQ(std::get<Wall>(parsed), line.wall) << line.text;
    }
}

TEST(RecordLine, BlankLinesAndCommentsCarryNoWall) {
    for (const char* text :
         {"", "   ", "\t \t", "\r", " \t\r", "#", "# 1 1 top", "   #x", "\t#\r"}) {
        EXPECT_TRUE(std::holds_alternative<NoWall>(ParseRecordLine(text))) << '"' << text << '"';
    }
}

struct BadLine {
    const char* text;
    const char* message_part;
};

TEST(RecordLine, NamesWhatIsWrongWithABadLine) {
    const BadLine cases[] = {
        {"1 1", "three fields X Y SIDE, found 2"},
        {"1", "found 1"},
        {"1 1 top extra", "found 4"},
        {"1 1 top # note", "found 5"},
        {"1,1,top", "found 1"},
        {"x 1 top", "X must be a whole number 1..10, found 'x'"},
        {"+1 1 top", "X must be a whole number"},
        {"1.0 1 top", "X must be a whole number"},
        {"1 -1 top", "Y must be a whole number 1..8"},
        {"0 1 top", "X '0' is out of range 1..10"},
        {"11 1 top", "X '11' is out of range"},
        {"1 0 top", "Y '0' is out of range 1..8"},
        {"1 9 top", "Y '9' is out of range"},
        {"99999999999999999999999999 1 top", "X '99999999999999999999999999' is out of range"},
        {"18446744073709551617 1 top", "out of range"},
        {"1 1 up", "unknown side 'up' (expected top, bottom, left or right)"},
        {"1 1 Top", "unknown side 'Top'"},
        {"1 1 4", "unknown side '4'"},
        {"1 1 top\r\r", "unknown side 'top\\x0d'"},
        {"1 1\v top", "Y must be a whole number 1..8, found '1\\x0b'"},
    };
    for (const BadLine& line : cases) {
        const RecordLine parsed = ParseRecordLine(line.text);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << line.text;
        EXPECT_NE(std::get<std::string>(parsed).find(line.message_part), std::string::npos)
            << line.text << " -> " << std::get<std::string>(parsed);
    }
}

std::optional<RecordError> Play(const std::string& record, Game& game) {
    std::istringstream input(record);
    return PlayRecord(input, game);
}

TEST(PlayRecord, CountsEveryLineIncludingBlanksAndComments) {
    Game game;
    const auto error = Play("# a game\n\n1 1 top\n   \n1 1 top\n", game);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 5);
    EXPECT_EQ(error->Text(), "line 5: wall 1 1 top is already drawn");
}

TEST(PlayRecord, ASharedWallIsDrawnFromEitherBox) {
    Game game;
    const auto error = Play("3 5 right\n4 5 left\n", game);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Text(), "line 2: wall 4 5 left is already drawn");
}

TEST(PlayRecord, StopsAtTheFirstBadLine) {
    Game game;
    const auto error = Play("1 1 top\n2 2 sideways\n1 1 top\n", game);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 2);
    EXPECT_NE(error->message.find("unknown side"), std::string::npos);
}

TEST(PlayRecord, RefusesAnyWallOnceTheGameIsOver) {
    Game game;
    const auto error = Play(testing::AllWallsRecord() + "\n# after the end\n5 5 top\n", game);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 181);
    EXPECT_EQ(error->Text(), "line 181: the game is over: wall 5 5 top cannot be drawn");
}

TEST(PlayRecord, AcceptsWindowsLineEndsAndAMissingLastLineEnd) {
    Game game;
    EXPECT_FALSE(Play("1 1 top\r\n\r\n# note\r\n1 1 bottom", game));
    EXPECT_EQ(game.Board()(1, 1).Walls, kTop | kBottom);
    EXPECT_EQ(game.Board()(1, 2).Walls, kTop);
}

// Editors on Windows start a UTF-8 file with a byte-order mark; it is no part of the first line.
TEST(PlayRecord, SkipsAByteOrderMarkAtTheStartOnly) {
    const std::string mark = "\xef\xbb\xbf";
    Game game;
    EXPECT_FALSE(Play(mark + "# saved by Notepad\r\n1 1 top\r\n", game));
    EXPECT_EQ(game.Board()(1, 1).Walls, kTop);

    Game wall_first;
    EXPECT_FALSE(Play(mark + "1 1 top\n", wall_first));
    EXPECT_EQ(wall_first.Board()(1, 1).Walls, kTop);

    Game later;
    const auto error = Play("1 1 top\n" + mark + "2 2 top\n", later);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 2);
}

// A line is read whole before it is parsed, so input without line ends (/dev/zero, say) must meet
// a bound rather than take all memory.
TEST(PlayRecord, RefusesALineLongerThanTheBound) {
    Game game;
    const std::string longest = "1 1 top" + std::string(kLongestRecordLine - 7, ' ');
    EXPECT_FALSE(Play(longest + "\n" + longest.substr(0, 4) + "left", game));
    EXPECT_EQ(game.Board()(1, 1).Walls, kTop | kLeft);
    // A Windows line end's CR is no part of the line's length.
    Game windows;
    const std::string left = "1 1 left" + std::string(kLongestRecordLine - 8, ' ');
    EXPECT_FALSE(Play(longest + "\r\n" + left + "\r", windows));
    EXPECT_EQ(windows.Board()(1, 1).Walls, kTop | kLeft);

    Game too_long;
    const auto error = Play("# fine\n" + longest + " \n1 1 left\n", too_long);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Text(),
              "line 2: longer than " + std::to_string(kLongestRecordLine) + " bytes");
    EXPECT_EQ(too_long.Board()(1, 1).Walls, 0);
}

// A stream whose read fails after its first bytes, as a file on a failing disk would.
class FailingAfter : public std::streambuf {
  public:
    explicit FailingAfter(std::string bytes) : bytes_(std::move(bytes)) {
        setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
    }

  protected:
    int_type underflow() override { throw std::ios_base::failure("read error"); }

  private:
    std::string bytes_;
};

// What was read before the failure is drawn, and the failure is reported on the line it cut,
// not taken for the end of a shorter record nor for a bad line.
TEST(PlayRecord, AFailedReadIsAnErrorNotTheEndOfTheRecord) {
    FailingAfter failing("1 1 top\n2 2 le");
    std::istream input(&failing);
    Game game;
    const auto error = PlayRecord(input, game);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Text(), "line 2: the record could not be read");
    EXPECT_EQ(game.Board()(1, 1).Walls, kTop);
}

TEST(PlayRecord, DrawsByTheRulesHumanFirst) {
    Game game;
    // Nothing closed: the turn passes after every wall, so the computer draws the second one.
    ASSERT_FALSE(Play("1 1 top\n1 1 left\n1 1 bottom\n", game));
    EXPECT_EQ(game.CurrentPlayer(), kComputer);

    // The computer closes the box and keeps the turn.
    ASSERT_FALSE(Play("1 1 right\n", game));
    EXPECT_EQ(game.Board()(1, 1).Owner, kComputer);
    EXPECT_EQ(game.ComputerBoxes(), 1);
    EXPECT_EQ(game.CurrentPlayer(), kComputer);
}

TEST(PlayRecord, AWholeGameEndsWithEveryBoxOwned) {
    Game game;
    ASSERT_FALSE(Play(testing::AllWallsRecord(), game));
    EXPECT_TRUE(game.GameOver());
    EXPECT_EQ(game.HumanBoxes() + game.ComputerBoxes(), kBoxes);
}

TEST(Text, DecimalDigitsOnlyAndNoOverflow) {
    EXPECT_TRUE(IsDecimal("0123"));
    for (const char* text : {"", " 1", "1 ", "+1", "-1", "0x10", "1e3", "\xef\xbc\x91"}) {
        EXPECT_FALSE(IsDecimal(text)) << text;
        EXPECT_FALSE(ParseDecimal(text)) << text;
    }
    EXPECT_EQ(ParseDecimal("18446744073709551615"), 18446744073709551615ULL);
    EXPECT_FALSE(ParseDecimal("18446744073709551616"));
    EXPECT_FALSE(ParseDecimal("99999999999999999999999999999"));
}

TEST(Text, EchoesInputWithoutControlCharacters) {
    EXPECT_EQ(Quoted("top"), "'top'");
    EXPECT_EQ(Quoted("\x1b[2J\n"), "'\\x1b[2J\\x0a'");
    EXPECT_EQ(Quoted("a\\b"), "'a\\x5cb'");
    EXPECT_EQ(Quoted("\xc3\xa9"), "'\\xc3\\xa9'");
    EXPECT_EQ(Quoted(std::string(100, 'x'), 5), "'xxxxx'...");
    EXPECT_EQ(Quoted("xxxxx", 5), "'xxxxx'");
    // The ends of printable ASCII pass; DEL, just past them, does not.
    EXPECT_EQ(Quoted(" ~\x7f"), "' ~\\x7f'");
}

}  // namespace
}  // namespace pennix::arena
