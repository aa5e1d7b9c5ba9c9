// ReadIniValue and WriteIniValue on real files: limits, failures, and atomic replacement.
#include "store/readwriteini.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "scratch_directory.h"

namespace pennix {
namespace {

using ReadWriteIniTest = ScratchDirectoryTest;

TEST_F(ReadWriteIniTest, LongValueReadsAsItsFirst69Characters) {
    const std::string long_value(100, 'x');
    WriteBytes(Path("pennix.ini"), "[O]\r\nA=" + long_value.substr(0, 69) + "\r\nB=" + long_value +
                                       "\r\nC=\"" + long_value + "\"\r\n");
    for (const char* key : {"A", "B", "C"}) {
        EXPECT_EQ(ReadIniValue(Path("pennix.ini"), "O", key), long_value.substr(0, 69)) << key;
    }
}

TEST_F(ReadWriteIniTest, ReadGivesNoneForAnythingButARegularFileAndCreatesNothing) {
    EXPECT_EQ(ReadIniValue(Path("pennix.ini"), "O", "Level"), "none");
    EXPECT_EQ(ReadIniValue(Path("missing/pennix.ini"), "O", "Level"), "none");
    EXPECT_TRUE(Names().empty());

    std::filesystem::create_directory(Path("directory"));
    EXPECT_EQ(ReadIniValue(Path("directory"), "O", "Level"), "none");
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    EXPECT_EQ(ReadIniValue(Path("pipe"), "O", "Level"), "none");  // must not wait for a writer
    EXPECT_EQ(ReadIniValue("/dev/zero", "O", "Level"), "none");
}

TEST_F(ReadWriteIniTest, OversizedFileIsReadInPartAndNeverRewritten) {
    const std::string head = "[O]\r\nLevel=Easy\r\n";
    const std::string huge = head + std::string(kIniFileLimit, ';') + "\r\nSpeed=Slow\r\n";
    WriteBytes(Path("pennix.ini"), huge);
    EXPECT_EQ(ReadIniValue(Path("pennix.ini"), "O", "Level"), "Easy");
    EXPECT_EQ(ReadIniValue(Path("pennix.ini"), "O", "Speed"), "none");
    EXPECT_FALSE(WriteIniValue(Path("pennix.ini"), "O", "Level", "Hard"));
    EXPECT_EQ(ReadBytes(Path("pennix.ini")), huge);

    // Nor is a file made so long that a later read would miss what was added.
    const std::string almost = head + std::string(kIniFileLimit - head.size() - 10, ';');
    WriteBytes(Path("pennix.ini"), almost);
    EXPECT_FALSE(WriteIniValue(Path("pennix.ini"), "Score", "You", " 12"));
    EXPECT_TRUE(ReadBytes(Path("pennix.ini")) == almost);  // not printed whole on a failure
    EXPECT_TRUE(WriteIniValue(Path("pennix.ini"), "O", "Level", "Hard"));
}

// A file of exactly the largest size is still read whole, so it may be rewritten at that size;
// a write that would make it one byte longer or more is refused.
TEST_F(ReadWriteIniTest, AFileOfExactlyTheLimitIsRewrittenButNeverGrown) {
    const auto file = Path("pennix.ini");
    const std::string head = "[O]\r\nLevel=Easy\r\n";
    std::string full = head + std::string(kIniFileLimit - head.size(), ';');
    WriteBytes(file, full);
    EXPECT_TRUE(WriteIniValue(file, "O", "Level", "Hard"));
    full.replace(head.find("Easy"), 4, "Hard");
    EXPECT_TRUE(ReadBytes(file) == full);  // not printed whole on a failure
    EXPECT_EQ(ReadIniValue(file, "O", "Level"), "Hard");
    EXPECT_FALSE(WriteIniValue(file, "O", "Level", "Hard!"));
    EXPECT_TRUE(ReadBytes(file) == full);
}

// A file an editor saved as UTF-16, with a byte-order mark or without one (as iconv writes it),
// reads as holding nothing, and keeps its bytes rather than getting lines in another encoding.
TEST_F(ReadWriteIniTest, Utf16FileReadsAsEmptyAndIsNeverWritten) {
    for (const bool little_endian : {true, false}) {
        for (const bool marked : {true, false}) {
            std::string text = !marked ? "" : little_endian ? "\xff\xfe" : "\xfe\xff";
            // A non-Latin comment first: a few pairs without a NUL do not hide the encoding.
            text += little_endian ? "\x1f\x04\x30\x04" : "\x04\x1f\x04\x30";
            for (const char c : std::string(";\r\n[Options]\r\nLevel=Easy\r\n")) {
                text += little_endian ? std::string{c, '\0'} : std::string{'\0', c};
            }
            WriteBytes(Path("pennix.ini"), text);
            EXPECT_EQ(ReadIniValue(Path("pennix.ini"), "Options", "Level"), "none");
            EXPECT_FALSE(WriteIniValue(Path("pennix.ini"), "Options", "Level", "Hard"))
                << little_endian << marked;
            EXPECT_TRUE(ReadBytes(Path("pennix.ini")) == text);  // not printed whole on a failure
        }
    }
}

// NUL bytes alone do not make a file UTF-16: a value holding one, or a file a crash left as NULs
// only, is still written.
TEST_F(ReadWriteIniTest, FilesWithSomeOrOnlyNulBytesAreStillWritten) {
    using namespace std::string_literals;
    for (const std::string& old : {"[Options]\r\nLevel=E\0y\r\n"s, std::string(64, '\0')}) {
        WriteBytes(Path("pennix.ini"), old);
        EXPECT_TRUE(WriteIniValue(Path("pennix.ini"), "Options", "Level", "Hard"));
        EXPECT_EQ(ReadIniValue(Path("pennix.ini"), "Options", "Level"), "Hard");
    }
}

TEST_F(ReadWriteIniTest, WritesCreateAFileInCrlfAndReplaceInPlace) {
    const auto file = Path("pennix.ini");
    EXPECT_TRUE(WriteIniValue(file, "Options", "Level", "Hard"));
    EXPECT_TRUE(WriteIniValue(file, "Score", "You", " 3"));
    EXPECT_TRUE(WriteIniValue(file, "Options", "Speed", "Fast"));
    EXPECT_TRUE(WriteIniValue(file, "options", "LEVEL", "Easy"));
    EXPECT_EQ(ReadBytes(file), "[Options]\r\nLevel=Easy\r\nSpeed=Fast\r\n[Score]\r\nYou= 3\r\n");
    EXPECT_EQ(ReadIniValue(file, "Score", "You"), "3");
    EXPECT_EQ(Names(), std::vector<std::string>{"pennix.ini"});
}

TEST_F(ReadWriteIniTest, FailedWriteSaysSoAndLeavesEverythingAsItWas) {
    const std::string old = "[O]\nLevel=Easy\n";
    WriteBytes(Path("pennix.ini"), old);
    std::filesystem::create_directory(Path("directory"));

    EXPECT_FALSE(WriteIniValue(Path("missing/pennix.ini"), "O", "Level", "Hard"));
    EXPECT_FALSE(WriteIniValue(Path("directory"), "O", "Level", "Hard"));
    EXPECT_FALSE(WriteIniValue(Path("pennix.ini"), "O", "Level", "Hard\r\n[X]"));
    EXPECT_FALSE(WriteIniValue(Path("pennix.ini/x"), "O", "Level", "Hard"));

    EXPECT_EQ(ReadBytes(Path("pennix.ini")), old);
    EXPECT_EQ(Names(), (std::vector<std::string>{"directory", "pennix.ini"}));
    EXPECT_TRUE(std::filesystem::is_empty(Path("directory")));
}

TEST_F(ReadWriteIniTest, ReadOnlyFileOrDirectoryIsNotWritten) {
    if (!CanCheckWithoutPrivileges()) {
        GTEST_SKIP() << "cannot act as a user without privileges here";
    }
    const std::string old = "[O]\nLevel=Easy\n";
    WriteBytes(Path("pennix.ini"), old);
    const auto write = [&] { return WriteIniValue(Path("pennix.ini"), "O", "Level", "Hard"); };
    ::chmod(Path("pennix.ini").c_str(), 0444);
    EXPECT_FALSE(HoldsWithoutPrivileges(write));
    ::chmod(Path("pennix.ini").c_str(), 0644);
    ::chmod(Directory().c_str(), 0555);
    EXPECT_FALSE(HoldsWithoutPrivileges(write));
    ::chmod(Directory().c_str(), 0755);
    EXPECT_EQ(ReadBytes(Path("pennix.ini")), old);
    // The same player may write once both are writable again: the refusals came from them.
    EXPECT_TRUE(HoldsWithoutPrivileges(write));
}

// A file the player may write but not read would lose everything in it to a rewrite that
// starts from nothing.
TEST_F(ReadWriteIniTest, FileThatCannotBeReadIsNotRewritten) {
    if (!CanCheckWithoutPrivileges()) {
        GTEST_SKIP() << "cannot act as a user without privileges here";
    }
    const std::string old = "[O]\nLevel=Easy\nSpeed=Slow\n";
    WriteBytes(Path("pennix.ini"), old);
    ::chmod(Path("pennix.ini").c_str(), 0200);
    EXPECT_FALSE(HoldsWithoutPrivileges(
        [&] { return WriteIniValue(Path("pennix.ini"), "O", "Level", "Hard"); }));
    ::chmod(Path("pennix.ini").c_str(), 0644);
    EXPECT_EQ(ReadBytes(Path("pennix.ini")), old);
}

TEST_F(ReadWriteIniTest, WriteThatFailsHalfWayLeavesTheOldFileWhole) {
    const std::string old = "[O]\r\nLevel=Easy\r\n";
    WriteBytes(Path("pennix.ini"), old);
    const std::string big_value(60, 'x');
    EXPECT_FALSE(WrittenUnderSizeLimit(
        32, [&] { return WriteIniValue(Path("pennix.ini"), "O", "Speed", big_value); }));
    EXPECT_EQ(ReadBytes(Path("pennix.ini")), old);
    EXPECT_EQ(Names(), std::vector<std::string>{"pennix.ini"});
}

TEST_F(ReadWriteIniTest, SeveralValuesAreWrittenAllTogetherOrNotAtAll) {
    const auto file = Path("pennix.ini");
    const std::string old = "[O]\r\nLevel=Easy\r\n";
    WriteBytes(file, old);
    // The first entry alone would fit under the limit; the file with all of them would not.
    const std::array<IniEntry, 3> entries{
        {{"O", "Level", "Genius"}, {"O", "Speed", "Medium"}, {"Score", "You", " 12"}}};
    EXPECT_FALSE(WrittenUnderSizeLimit(30, [&] { return WriteIniValues(file, entries); }));
    EXPECT_EQ(ReadBytes(file), old);

    // One entry that cannot be set keeps none of the others from the file.
    const std::array<IniEntry, 3> one_bad{
        {{"O", "Level", "Hard"}, {"O", "Speed", "Slow\n[X]"}, {"Score", "You", " 1"}}};
    EXPECT_FALSE(WriteIniValues(file, one_bad));
    EXPECT_EQ(ReadBytes(file), "[O]\r\nLevel=Hard\r\n[Score]\r\nYou= 1\r\n");

    const std::array<IniEntry, 1> only_bad{{{"O", "Level", "Easy\r\n"}}};
    EXPECT_FALSE(WriteIniValues(Path("new.ini"), only_bad));
    EXPECT_EQ(Names(), std::vector<std::string>{"pennix.ini"});
}

TEST_F(ReadWriteIniTest, ReplacedFileKeepsItsPermissionsAndItsLink) {
    WriteBytes(Path("real.ini"), "[O]\nLevel=Easy\n");
    ::chmod(Path("real.ini").c_str(), 0640);
    std::filesystem::create_symlink("real.ini", Path("pennix.ini"));

    EXPECT_TRUE(WriteIniValue(Path("pennix.ini"), "O", "Level", "Hard"));
    EXPECT_TRUE(std::filesystem::is_symlink(Path("pennix.ini")));
    EXPECT_EQ(ReadBytes(Path("real.ini")), "[O]\nLevel=Hard\n");
    struct stat info {};
    ASSERT_EQ(::stat(Path("real.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    // A link to a file not made yet makes it; a loop of links writes nothing anywhere.
    std::filesystem::create_directory(Path("elsewhere"));
    std::filesystem::create_symlink("elsewhere/later.ini", Path("new.ini"));
    EXPECT_TRUE(WriteIniValue(Path("new.ini"), "O", "Level", "Easy"));
    EXPECT_TRUE(std::filesystem::is_symlink(Path("new.ini")));
    EXPECT_EQ(ReadBytes(Path("elsewhere/later.ini")), "[O]\r\nLevel=Easy\r\n");
    std::filesystem::create_symlink("loop-b.ini", Path("loop-a.ini"));
    std::filesystem::create_symlink("loop-a.ini", Path("loop-b.ini"));
    EXPECT_FALSE(WriteIniValue(Path("loop-a.ini"), "O", "Level", "Easy"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"elsewhere", "loop-a.ini", "loop-b.ini", "new.ini",
                                                 "pennix.ini", "real.ini"}));
}

// A player who shares the file through its group rather than owning it becomes its owner on a
// save, as with any replaced file, but keeps its group, so that the others can still write it.
TEST_F(ReadWriteIniTest, SaveByAMemberOfTheFilesGroupKeepsTheGroup) {
    const group* users = ::getgrnam("users");
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() != 0 || users == nullptr || nobody == nullptr) {
        GTEST_SKIP() << "needs root to set the scene, group users and user nobody";
    }
    const gid_t shared_group = users->gr_gid;
    const auto shared = Path("shared");
    std::filesystem::create_directory(shared);
    ::chmod(Directory().c_str(), 0755);
    ::chmod(shared.c_str(), 0777);
    const auto file = shared / "pennix.ini";
    WriteBytes(file, "[O]\nLevel=Easy\n");
    ASSERT_EQ(::chown(file.c_str(), 0, shared_group), 0);
    ::chmod(file.c_str(), 0664);

    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(1, &shared_group) != 0 || ::setgid(nobody->pw_gid) != 0 ||
            ::setuid(nobody->pw_uid) != 0) {
            ::_exit(2);
        }
        ::_exit(WriteIniValue(file, "O", "Level", "Hard") ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 2) {
        GTEST_SKIP() << "cannot act as another user here";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0);
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, nobody->pw_uid);
    EXPECT_EQ(info.st_gid, shared_group);
    EXPECT_EQ(ReadBytes(file), "[O]\nLevel=Hard\n");
}

// A player's own file given to a group of theirs, to share it, stays with that group rather than
// falling back to the player's primary group.
TEST_F(ReadWriteIniTest, SaveOfAPlayersOwnFileKeepsTheGroupItIsSharedWith) {
    // Root may give a file any group; anyone else needs a group of their own besides the primary.
    std::optional<gid_t> other_group;
    if (::geteuid() == 0) {
        other_group = ::getegid() + 1;
    } else {
        std::array<gid_t, 256> groups{};
        const int count = std::max(::getgroups(static_cast<int>(groups.size()), groups.data()), 0);
        for (const gid_t group : std::span(groups.data(), static_cast<std::size_t>(count))) {
            if (group != ::getegid()) {
                other_group = group;
            }
        }
    }
    const auto file = Path("pennix.ini");
    WriteBytes(file, "[O]\nLevel=Easy\n");
    if (!other_group || ::chown(file.c_str(), static_cast<uid_t>(-1), *other_group) != 0) {
        GTEST_SKIP() << "no second group to give the file";
    }
    EXPECT_TRUE(WriteIniValue(file, "O", "Level", "Hard"));
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, ::geteuid());
    EXPECT_EQ(info.st_gid, *other_group);
    EXPECT_EQ(ReadBytes(file), "[O]\nLevel=Hard\n");
}

TEST_F(ReadWriteIniTest, NewFileGetsTheModeTheUmaskGives) {
    const mode_t saved = ::umask(022);
    EXPECT_TRUE(WriteIniValue(Path("pennix.ini"), "O", "Level", "Hard"));
    ::umask(saved);
    struct stat info {};
    ASSERT_EQ(::stat(Path("pennix.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
}

}  // namespace
}  // namespace pennix
