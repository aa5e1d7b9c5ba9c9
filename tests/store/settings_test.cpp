// The settings file: start-up, exit, the number texts and where the file lives.
#include "store/settings.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "scratch_directory.h"
#include "store/readwriteini.h"

namespace pennix {
namespace {

using SettingsTest = ScratchDirectoryTest;

constexpr const char* kDefaultFile =
    "[Options]\r\nLevel=Hard\r\nSpeed=Fast\r\n[Score]\r\nYou=0\r\nMe=0\r\n"
    "[Message]\r\nText=Hello, world!\r\n";

TEST_F(SettingsTest, FirstStartWritesTheDefaultsAndExitWritesTheScores) {
    const auto file = Path("pennix.ini");
    EXPECT_EQ(LoadOrCreateSettings(file), (Settings{"Hard", "Fast", 0, 0}));
    EXPECT_EQ(ReadBytes(file), kDefaultFile);

    EXPECT_TRUE(SaveSettings(file, {"Hard", "Fast", 0, 0}));
    EXPECT_EQ(ReadBytes(file),
              "[Options]\r\nLevel=Hard\r\nSpeed=Fast\r\n[Score]\r\nYou= 0\r\nMe= 0\r\n"
              "[Message]\r\nText=Hello, world!\r\n");

    SaveSettings(file, {"Easy", "Slow", 1, -3});
    EXPECT_EQ(ReadIniValue(file, "Score", "You"), "1");
    EXPECT_NE(ReadBytes(file).find("You= 1\r\nMe=-3\r\n"), std::string::npos);
    EXPECT_EQ(LoadOrCreateSettings(file), (Settings{"Easy", "Slow", 1, -3}));
}

TEST_F(SettingsTest, SaveIntoNoFileWritesTheEntriesInExitOrder) {
    SaveSettings(Path("pennix.ini"), {"Genius", "Medium", 2, 0});
    EXPECT_EQ(ReadBytes(Path("pennix.ini")),
              "[Options]\r\nLevel=Genius\r\nSpeed=Medium\r\n[Message]\r\nText=Hello, world!\r\n"
              "[Score]\r\nYou= 2\r\nMe= 0\r\n");
}

TEST_F(SettingsTest, SaveThatCannotWriteSaysSoAndLeavesTheFileAsItWas) {
    if (!CanCheckWithoutPrivileges()) {
        GTEST_SKIP() << "cannot act as a user without privileges here";
    }
    const std::string old = "[Options]\nLevel=Easy\n";
    WriteBytes(Path("pennix.ini"), old);
    ::chmod(Path("pennix.ini").c_str(), 0444);
    EXPECT_TRUE(HoldsWithoutPrivileges([&] {
        return !SaveSettings(Path("pennix.ini"), {"Hard", "Fast", 1, 2});
    }));
    EXPECT_EQ(ReadBytes(Path("pennix.ini")), old);
    EXPECT_FALSE(SaveSettings(Path("pennix.ini/x"), {"Hard", "Fast", 1, 2}));
}

// A player whose folder cannot be written still plays the first game at the default level, not at
// whatever a missing level would select.
TEST_F(SettingsTest, StartUpThatCannotWriteStillGivesTheDefaults) {
    WriteBytes(Path("pennix.ini"), "; not a folder\n");
    EXPECT_EQ(LoadOrCreateSettings(Path("pennix.ini/x")), (Settings{"Hard", "Fast", 0, 0}));
    EXPECT_EQ(ReadBytes(Path("pennix.ini")), "; not a folder\n");
}

// A full disk part way through a save leaves the old file whole: never a new level beside an old
// score. The level alone would fit under the limit; the whole file would not.
TEST_F(SettingsTest, ASaveThatFailsPartWayChangesNothing) {
    const std::string old = "[Options]\r\nLevel=Easy\r\n";
    WriteBytes(Path("pennix.ini"), old);
    EXPECT_FALSE(WrittenUnderSizeLimit(40, [&] {
        return SaveSettings(Path("pennix.ini"), {"Genius", "Slow", 12, 3});
    }));
    EXPECT_EQ(ReadBytes(Path("pennix.ini")), old);
}

TEST_F(SettingsTest, OnlyAMissingLevelWritesAtStartUp) {
    struct Case {
        std::string file;
        Settings expected;
        std::size_t level_index;
        std::size_t speed_index;
    };
    const Case cases[] = {
        {"[Options]\r\nLevel=Easy\r\n", {"Easy", "none", 0, 0}, 0, 2},
        {"[Options]\r\nLevel=\r\nSpeed=Slow\r\n", {"", "Slow", 0, 0}, 3, 0},
        {"[options]\r\nlevel=easy\r\nspeed=medium\r\n", {"easy", "medium", 0, 0}, 3, 2},
        {"[Options]\nLevel=Medium\nSpeed=Medium\n[Score]\nYou=2.5\nMe= x\n",
         {"Medium", "Medium", 2, 0},
         1,
         1},
        {"[Options]\nLevel=Hard\n[Score]\nYou=40000\nMe=-1e9\n", {"Hard", "none", 32767, -1}, 2, 2},
    };
    for (const Case& c : cases) {
        WriteBytes(Path("pennix.ini"), c.file);
        const Settings settings = LoadOrCreateSettings(Path("pennix.ini"));
        EXPECT_EQ(settings, c.expected) << c.file;
        EXPECT_EQ(LevelIndex(settings.level), c.level_index) << c.file;
        EXPECT_EQ(SpeedIndex(settings.speed), c.speed_index) << c.file;
        EXPECT_EQ(ReadBytes(Path("pennix.ini")), c.file);
    }
}

TEST_F(SettingsTest, FileWithoutLevelGetsTheDefaultsAddedAndKeepsItsLines) {
    WriteBytes(Path("pennix.ini"), "; mine\n[Score]\nYou= 7\n");
    EXPECT_EQ(LoadOrCreateSettings(Path("pennix.ini")), (Settings{"Hard", "Fast", 0, 0}));
    EXPECT_EQ(ReadBytes(Path("pennix.ini")),
              "; mine\n[Score]\nYou=0\nMe=0\n[Options]\nLevel=Hard\nSpeed=Fast\n"
              "[Message]\nText=Hello, world!\n");
}

// Only the level decides: a speed or a score beside a missing level does not keep the defaults
// out, a level in another section is no level, and a stored "none" reads as missing.
TEST_F(SettingsTest, AnyFileWhoseLevelReadsAsNoneGetsTheDefaults) {
    const std::pair<const char*, const char*> cases[] = {
        {"[Options]\nSpeed=Slow\n[Score]\nYou= 7\n",
         "[Options]\nSpeed=Fast\nLevel=Hard\n[Score]\nYou=0\nMe=0\n"
         "[Message]\nText=Hello, world!\n"},
        {"[Options]\nLevel=none\n",
         "[Options]\nLevel=Hard\nSpeed=Fast\n[Score]\nYou=0\nMe=0\n"
         "[Message]\nText=Hello, world!\n"},
        {"[Score]\nLevel=Easy\n",
         "[Score]\nLevel=Easy\nYou=0\nMe=0\n[Options]\nLevel=Hard\nSpeed=Fast\n"
         "[Message]\nText=Hello, world!\n"},
    };
    for (const auto& [before, after] : cases) {
        WriteBytes(Path("pennix.ini"), before);
        EXPECT_EQ(LoadOrCreateSettings(Path("pennix.ini")), (Settings{"Hard", "Fast", 0, 0}))
            << before;
        EXPECT_EQ(ReadBytes(Path("pennix.ini")), after) << before;
    }
}

// The player's folder may be gone by exit, removed while the game ran or never made because the
// write at start-up failed: the save makes it again.
TEST_F(SettingsTest, SaveMakesTheFoldersTheFileNeeds) {
    const auto file = Path("config") / "pennix" / "pennix.ini";
    EXPECT_TRUE(SaveSettings(file, {"Easy", "Slow", 1, 2}));
    EXPECT_EQ(LoadSettings(file), (Settings{"Easy", "Slow", 1, 2}));
}

TEST(NumberTextTest, ReadingRoundsHalfToEvenIgnoresBlanksAndClamps) {
    const std::pair<const char*, int> cases[] = {
        {" 3", 3},          {"-5", -5},         {"0", 0},
        {" 7 ", 7},         {"\t7\t", 7},       {"2.5", 2},
        {"3.5", 4},         {"-2.5", -2},       {"-3.5", -4},
        {"2.51", 3},        {"2.500", 2},       {"2.4999", 2},
        {".5", 0},          {"1.", 1},          {"+4", 4},
        {"- 6", -6},        {"1 2", 12},        {"12abc", 12},
        {"abc", 0},         {"none", 0},        {"", 0},
        {"-", 0},           {"32767", 32767},   {"32768", 32767},
        {"-32768", -32768}, {"-32769", -32768}, {"99999999999999999999999", 32767},
        {"32767.5", 32767}, {"1e3", 1},         {"2.510", 3},
        {"-2.5010", -3},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(NumberFromText(text), expected) << '"' << text << '"';
    }
    // Digits worth 2^64 + 1 must not wrap round to 1.
    EXPECT_EQ(NumberFromText("18446744073709551617"), 32767);
}

TEST(NumberTextTest, WritingPutsASpaceBeforeZeroAndPositives) {
    EXPECT_EQ(NumberText(3), " 3");
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(-5), "-5");
    EXPECT_EQ(NumberText(32767), " 32767");
    EXPECT_EQ(NumberText(-32768), "-32768");
}

TEST_F(SettingsTest, FileLivesBesideTheProgramOrInTheUsersConfigDirectory) {
    const auto missing = Path("not-there");
    std::map<std::string, std::string> environment;
    const EnvironmentLookup lookup = [&](const std::string& name) -> std::optional<std::string> {
        const auto found = environment.find(name);
        return found == environment.end() ? std::nullopt : std::optional(found->second);
    };
    EXPECT_EQ(SettingsFile(Directory(), lookup), Directory() / "pennix.ini");
    // Without HOME, the account's home directory.
    if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir[0] == '/') {
        EXPECT_EQ(SettingsFile(missing, lookup),
                  std::filesystem::path(account->pw_dir) / ".config" / "pennix" / "pennix.ini");
    }

    environment["HOME"] = "/home/ann";
    EXPECT_EQ(SettingsFile(missing, lookup), "/home/ann/.config/pennix/pennix.ini");
    // An installed game never writes beside itself, even for root, who could.
    EXPECT_EQ(SettingsFile("/usr/bin", lookup), "/home/ann/.config/pennix/pennix.ini");
    EXPECT_EQ(SettingsFile("/opt/../usr/games", lookup), "/home/ann/.config/pennix/pennix.ini");
    EXPECT_EQ(SettingsFile("/usr/local/bin/", lookup), "/home/ann/.config/pennix/pennix.ini");
    // A game built or unpacked elsewhere under /usr keeps its file beside it where it may.
    if (::access("/usr/src", W_OK) == 0) {
        EXPECT_EQ(SettingsFile("/usr/src", lookup), "/usr/src/pennix.ini");
    }
    environment["XDG_CONFIG_HOME"] = "relative/config";
    EXPECT_EQ(SettingsFile(missing, lookup), "/home/ann/.config/pennix/pennix.ini");
    environment["XDG_CONFIG_HOME"] = Path("config").string();
    const auto user_file = SettingsFile(missing, lookup);
    EXPECT_EQ(user_file, Path("config") / "pennix" / "pennix.ini");
    EXPECT_EQ(SettingsFile(Directory(), lookup), Directory() / "pennix.ini");

    // The per-user directory is made by the first write.
    EXPECT_EQ(LoadOrCreateSettings(user_file), (Settings{"Hard", "Fast", 0, 0}));
    EXPECT_EQ(ReadBytes(user_file), kDefaultFile);

    // A game installed where the player cannot write keeps the player's score in their own file.
    if (!CanCheckWithoutPrivileges()) {
        return;  // root that cannot become an unprivileged player sees every folder as writable
    }
    const auto file_for_player = [&] { return SettingsFile(Directory(), lookup); };
    ::chmod(Directory().c_str(), 0555);
    EXPECT_TRUE(HoldsWithoutPrivileges([&] { return file_for_player() == user_file; }));
    ::chmod(Directory().c_str(), 0755);
    EXPECT_TRUE(
        HoldsWithoutPrivileges([&] { return file_for_player() == Directory() / "pennix.ini"; }));
}

// Every folder an installed game lies in sends the file to the player's own folder, however the
// path is spelt, even for root, who could write there; a folder of the player's own whose path
// merely ends in the same names keeps the file beside the program.
TEST_F(SettingsTest, EverySystemProgramFolderSendsTheFileToThePlayersFolder) {
    const EnvironmentLookup lookup = [](const std::string& name) -> std::optional<std::string> {
        return name == "HOME" ? std::optional<std::string>("/home/ann") : std::nullopt;
    };
    for (const char* folder : {"/usr/bin", "/usr/games", "/usr/local/bin", "/usr/local/games",
                               "/bin", "/bin/", "/usr/./local/games"}) {
        EXPECT_EQ(SettingsFile(folder, lookup), "/home/ann/.config/pennix/pennix.ini") << folder;
    }
    const auto own = Path("usr") / "local" / "games";
    std::filesystem::create_directories(own);
    EXPECT_EQ(SettingsFile(own, lookup), own / "pennix.ini");
}

// Expert comes after Genius in the menu, yet a level no entry names still means Genius, as it
// did before; the speeds keep the last entry for an unknown text.
TEST(ChoiceIndexTest, ExpertIsAnEntryAndAnUnknownLevelStillMeansGenius) {
    EXPECT_EQ(LevelIndex("Genius"), 3u);
    EXPECT_EQ(LevelIndex("Expert"), 4u);
    EXPECT_EQ(LevelIndex("expert"), 3u);
    EXPECT_EQ(LevelIndex("Grandmaster"), 3u);
    EXPECT_EQ(LevelIndex(""), 3u);
    EXPECT_EQ(SpeedIndex("Warp"), 2u);
    EXPECT_EQ(SpeedIndex("Slow"), 0u);
}

}  // namespace
}  // namespace pennix
