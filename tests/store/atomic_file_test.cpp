// ReadSmallFile and ReplaceFile at the edges of what the system allows.
#include "store/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string>
#include <vector>

#include "scratch_directory.h"

namespace pennix {
namespace {

using AtomicFileTest = ScratchDirectoryTest;

// A file name may be as long as 255 bytes; the temporary file beside it must fit all the same.
TEST_F(AtomicFileTest, AFileWithTheLongestNameIsReplacedAndCreated) {
    const std::string longest(255, 'n');
    EXPECT_TRUE(ReplaceFile(Path(longest), "new"));
    EXPECT_EQ(ReadBytes(Path(longest)), "new");
    EXPECT_TRUE(ReplaceFile(Path(longest), "newer"));
    EXPECT_EQ(ReadBytes(Path(longest)), "newer");

    // Through a link, as a pennix.ini that names a file elsewhere.
    const std::string linked(250, 'l');
    std::filesystem::create_symlink(linked, Path("pennix.ini"));
    EXPECT_TRUE(ReplaceFile(Path("pennix.ini"), "[O]\r\n"));
    EXPECT_EQ(ReadBytes(Path(linked)), "[O]\r\n");
    EXPECT_EQ(Names(), (std::vector<std::string>{linked, longest, "pennix.ini"}));
}

// The PID of a child that has already ended, as a save killed by SIGKILL leaves it.
pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

// A save killed between writing its temporary file and renaming it leaves that file behind; the
// next save removes those of ended writers, and no other file, however alike its name.
TEST_F(AtomicFileTest, ASaveRemovesOnlyTheTemporaryFilesOfEndedWriters) {
    const std::string ended = std::to_string(EndedProcess());
    const std::string own = ".pennix.ini.tmp-";
    const std::vector<std::string> kept{
        own + std::to_string(::getpid()) + "-99",  // a live writer, this one
        own + std::to_string(::getppid()) + "-0",  // and another
        ".other.ini.tmp-" + ended + "-0",          // another file's
        "pennix.ini.tmp-" + ended + "-0",
        own + ended,
        own + ended + "-",
        own + ended + "-0x",
        own + "0" + ended + "-0",
        own + ended + "-1-2",
        own + "-" + ended + "-0",
        own + "0-0"};
    for (const std::string& name : kept) {
        WriteBytes(Path(name), "kept");
    }
    std::filesystem::create_directory(Path(own + ended + "-5"));
    std::filesystem::create_symlink(kept.front(), Path(own + ended + "-6"));
    WriteBytes(Path(own + ended + "-0"), "[O]\r\n");
    WriteBytes(Path(own + ended + "-4294967295"), "[O]\r\n");

    EXPECT_TRUE(ReplaceFile(Path("pennix.ini"), "new"));
    std::vector<std::string> expected = kept;
    expected.insert(expected.end(), {"pennix.ini", own + ended + "-5", own + ended + "-6"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(), expected);
}

// A new file gets what the player's umask allows; a replaced one keeps its own mode whatever the
// umask would take away.
TEST_F(AtomicFileTest, ModesFollowTheUmaskForNewFilesAndTheOldFileOtherwise) {
    const mode_t umask_before = ::umask(027);
    EXPECT_TRUE(ReplaceFile(Path("new.ini"), "new"));
    WriteBytes(Path("shared.ini"), "old");
    ::chmod(Path("shared.ini").c_str(), 0664);
    EXPECT_TRUE(ReplaceFile(Path("shared.ini"), "newer"));
    ::umask(umask_before);

    struct stat info {};
    ASSERT_EQ(::stat(Path("new.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    ASSERT_EQ(::stat(Path("shared.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0664u);
}

// No limit is so large that one byte past it wraps round to nothing read.
TEST_F(AtomicFileTest, TheLargestLimitReadsTheWholeFile) {
    WriteBytes(Path("small"), "hello");
    const FileContents contents =
        ReadSmallFile(Path("small"), std::numeric_limits<std::size_t>::max());
    EXPECT_EQ(contents.status, FileStatus::kWhole);
    EXPECT_EQ(contents.bytes, "hello");
}

// A file longer than the limit gives exactly the limit's worth and says it is cut; one of exactly
// the limit is whole.
TEST_F(AtomicFileTest, ALongerFileIsCutAtTheLimitAndSaysSo) {
    WriteBytes(Path("small"), "hello");
    const FileContents cut = ReadSmallFile(Path("small"), 4);
    EXPECT_EQ(cut.status, FileStatus::kTooLarge);
    EXPECT_EQ(cut.bytes, "hell");
    const FileContents whole = ReadSmallFile(Path("small"), 5);
    EXPECT_EQ(whole.status, FileStatus::kWhole);
    EXPECT_EQ(whole.bytes, "hello");
}

// A device is never taken for a file, whatever it gives when read: /dev/zero would pass for an
// oversized file of NULs and /dev/null for an empty one.
TEST_F(AtomicFileTest, DevicesAreNoFiles) {
    for (const char* device : {"/dev/zero", "/dev/null"}) {
        const FileContents contents = ReadSmallFile(device, 64);
        EXPECT_EQ(contents.status, FileStatus::kFailed) << device;
        EXPECT_EQ(contents.bytes, "") << device;
    }
}

}  // namespace
}  // namespace pennix
