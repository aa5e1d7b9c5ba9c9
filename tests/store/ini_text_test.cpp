// The private-profile grammar in memory: which value a read finds, and the bytes a write leaves.
#include "store/ini_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace pennix {
namespace {

using namespace std::string_literals;  // "..."s keeps NUL bytes inside the texts

struct ReadCase {
    std::string text;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

TEST(IniTextTest, ReadFindsTheValueAsThePrivateProfileServiceWould) {
    const ReadCase cases[] = {
        {"[Options]\r\nLevel=Hard\r\n", "Options", "Level", "Hard"},
        {"[oPTIONS]\nLEVEL=Hard\n", "Options", "level", "Hard"},
        {"  [ Options ]  \n \t Level \t=  Hard \t\n", " Options", "Level ", "Hard"},
        {"[O]\nLevel=\"Hard\"\n", "O", "Level", "Hard"},
        {"[O]\nLevel='Hard'\n", "O", "Level", "Hard"},
        {"[O]\nLevel=\" two  blanks \"\n", "O", "Level", " two  blanks "},
        {"[O]\nLevel=\"Hard'\n", "O", "Level", "\"Hard'"},
        {"[O]\nLevel=\"\n", "O", "Level", "\""},
        {"[O]\nLevel=\"\"\n", "O", "Level", ""},
        {"[O]\nLevel=Hard ; not a comment\n", "O", "Level", "Hard ; not a comment"},
        {"[O]\nLevel=a=b\n", "O", "Level", "a=b"},
        {"[O]\nLevel=\n", "O", "Level", ""},
        {"[O]\nLevel=\r\n", "O", "Level", ""},
        // The first of two equal keys, and of two equal sections, wins.
        {"[O]\nLevel=1\nlevel=2\n", "O", "Level", "1"},
        {"[O]\nLevel=1\n[o]\nLevel=2\n", "O", "Level", "1"},
        {"[O]\nSpeed=1\n[O]\nLevel=2\n", "O", "Level", std::nullopt},
        // Lines that are not keys.
        {"[O]\nLevel\nLevel=2\n", "O", "Level", "2"},
        {"[O]\n;Level=1\n  ; Level=3\nLevel=2\n", "O", "Level", "2"},
        {"[O\nLevel=1\n", "O", "Level", std::nullopt},
        {"[O] text after]  ignored\nLevel=1\n", "O] text after", "Level", "1"},
        {"Level=1\n[O]\nSpeed=2\n", "O", "Level", std::nullopt},
        {"Level=1\n", "", "Level", std::nullopt},
        {"[A]\nLevel=1\n[O]\nSpeed=2\n", "O", "Level", std::nullopt},
        {"[O]\nSpeed=2\n", "P", "Speed", std::nullopt},
        {"", "O", "Level", std::nullopt},
        // Line ends, a byte-order mark, a last line without an end, odd bytes.
        {"[O]\rLevel=1\rSpeed=2", "O", "Speed", "2"},
        {"[A]\r\nX=1\n[O]\rLevel=1\r\r\nSpeed=2\n", "O", "Speed", "2"},
        {"\xEF\xBB\xBF[O]\r\nLevel=1\r\n", "O", "Level", "1"},
        {"\xEF\xBB[O]\r\nLevel=1\r\n", "O", "Level", std::nullopt},
        {"[O]\nLevel=ab\0cd\n"s, "O", "Level", "ab"},
        {"x\0y\n[O\0]\n[O]\nLevel=\xE9t\xE9\n"s, "O", "Level", "\xE9t\xE9"},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(FindIniValue(c.text, c.section, c.key), c.expected)
            << "text: " << c.text << "\nsection: " << c.section << " key: " << c.key;
    }
}

struct WriteCase {
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
    const char* read_back;
};

TEST(IniTextTest, WriteChangesOnlyWhatItMustAndReadsBack) {
    const WriteCase cases[] = {
        {"", "Options", "Level", "Hard", "[Options]\r\nLevel=Hard\r\n", "Hard"},
        {"[Score]\r\nYou=0\r\n", "Score", "You", " 3", "[Score]\r\nYou= 3\r\n", "3"},
        {"; kept\n\n[Score]\n  YOU = 3  \nMe=1\n", "score", "You", " 5",
         "; kept\n\n[Score]\n  YOU = 5\nMe=1\n", "5"},
        {"[S]\nYou=1\nyou=2\n", "S", "You", "9", "[S]\nYou=9\nyou=2\n", "9"},
        // A missing key follows the last non-blank line of its section.
        {"[O]\r\nLevel=Hard\r\n\r\n[S]\r\nYou=1\r\n", "O", "Speed", "Fast",
         "[O]\r\nLevel=Hard\r\nSpeed=Fast\r\n\r\n[S]\r\nYou=1\r\n", "Fast"},
        {"[O]\rLevel=Hard\r\n\n[S]\r\n", "O", "Speed", "Fast",
         "[O]\rLevel=Hard\r\nSpeed=Fast\r\n\n[S]\r\n", "Fast"},
        {"[O]\nLevel=Hard\n\n[S]\nYou=1\n", "O", "Speed", "Fast",
         "[O]\nLevel=Hard\nSpeed=Fast\n\n[S]\nYou=1\n", "Fast"},
        {"[O]\nA=1\n[O]\nB=2\n", "O", "B", "3", "[O]\nA=1\nB=3\n[O]\nB=2\n", "3"},
        {"Level=1\n[O]\n", "O", "Level", "2", "Level=1\n[O]\nLevel=2\n", "2"},
        // A missing section goes at the end, in the file's own line end.
        {"[O]\nLevel=Hard\n", "S", "You", " 3", "[O]\nLevel=Hard\n[S]\nYou= 3\n", "3"},
        {"[O]\rLevel=Hard\r", "S", "You", "0", "[O]\rLevel=Hard\r[S]\rYou=0\r", "0"},
        {"[O]\nA=1\r\n", "S", "You", "0", "[O]\nA=1\r\n[S]\nYou=0\n", "0"},
        // A last line without an end gets one before anything follows it.
        {"[O]\nLevel=Hard", "O", "Speed", "Fast", "[O]\nLevel=Hard\nSpeed=Fast\n", "Fast"},
        {"[O]\nLevel=Hard", "S", "You", "1", "[O]\nLevel=Hard\n[S]\nYou=1\n", "1"},
        {"[O]", "O", "Level", "Hard", "[O]\r\nLevel=Hard\r\n", "Hard"},
        {"[O]\nLevel=Hard", "O", "Level", "Easy", "[O]\nLevel=Easy", "Easy"},
        // The byte-order mark stays, and a file holding only it counts as empty.
        {"\xEF\xBB\xBF[O]\nLevel=Easy\n", "O", "Level", "Hard", "\xEF\xBB\xBF[O]\nLevel=Hard\n",
         "Hard"},
        {"\xEF\xBB\xBF", "O", "Level", "Hard", "\xEF\xBB\xBF[O]\r\nLevel=Hard\r\n", "Hard"},
        {"[O]\nLevel=x\0y\n"s, "O", "Level", "\"q\"", "[O]\nLevel=\"q\"\n", "q"},
    };
    for (const WriteCase& c : cases) {
        const std::optional<std::string> after = SetIniValue(c.before, c.section, c.key, c.value);
        ASSERT_TRUE(after.has_value()) << c.before;
        EXPECT_EQ(*after, c.after) << "before: " << c.before;
        EXPECT_EQ(FindIniValue(*after, c.section, c.key), c.read_back) << "after: " << *after;
    }
}

// Every ASCII letter pairs with its other case, the first and last of the alphabet included;
// the bytes just outside A..Z and a..z, and letters beyond ASCII, are compared as they are.
TEST(IniTextTest, NamesFoldTheCaseOfAsciiLettersOnly) {
    const std::string text = "[Azimuth]\r\nZenith=1\r\n[@[]\r\nk=2\r\n[\xC9t\xC9]\r\nk=3\r\n";
    EXPECT_EQ(FindIniValue(text, "aZIMUTH", "zENITH"), "1");
    EXPECT_EQ(FindIniValue(text, "@[", "K"), "2");
    EXPECT_EQ(FindIniValue(text, "`{", "k"), std::nullopt);
    EXPECT_EQ(FindIniValue(text, "\xE9t\xE9", "k"), std::nullopt);
    EXPECT_EQ(SetIniValue(text, "AZIMUTH", "zenith", "4"),
              "[Azimuth]\r\nZenith=4\r\n[@[]\r\nk=2\r\n[\xC9t\xC9]\r\nk=3\r\n");
}

TEST(IniTextTest, WriteRefusesTextThatWouldSlipInALineOrAnotherKey) {
    const std::string file = "[O]\r\nLevel=Hard\r\n";
    const std::string bad_names[] = {"a\rb", "a\nb", "a\0b"s, "\r\n"};
    for (const std::string& bad : bad_names) {
        EXPECT_FALSE(SetIniValue(file, bad, "Level", "Easy"));
        EXPECT_FALSE(SetIniValue(file, "O", bad, "Easy"));
        EXPECT_FALSE(SetIniValue(file, "O", "Level", bad));
    }
    for (const char* key : {"", "  ", "a=b", ";Level", " [x]"}) {
        EXPECT_FALSE(SetIniValue(file, "O", key, "Easy")) << key;
    }
}

}  // namespace
}  // namespace pennix
