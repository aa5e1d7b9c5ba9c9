// A fresh directory for each test and whole-file helpers.
#include "scratch_directory.h"

#include <grp.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <iterator>

namespace pennix {

namespace {

struct Account {
    uid_t user;
    gid_t group;
};

Account Nobody() {
    const passwd* entry = ::getpwnam("nobody");
    return entry != nullptr ? Account{entry->pw_uid, entry->pw_gid} : Account{65534, 65534};
}

// What the child process reports besides the check's own true (0) or false (1).
constexpr int kCannotDropRoot = 2;
constexpr int kDirectoryOutOfReach = 3;

void HandOver(const std::filesystem::path& directory, Account account) {
    // A file left behind is found out by the check that needs it.
    [[maybe_unused]] int ignored = ::chown(directory.c_str(), account.user, account.group);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(directory)) {
        ignored = ::lchown(entry.path().c_str(), account.user, account.group);
    }
}

[[noreturn]] void RunAs(Account account, const std::filesystem::path& directory,
                        const std::function<bool()>& check) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(account.group) != 0 ||
        ::setuid(account.user) != 0) {
        ::_exit(kCannotDropRoot);
    }
    if (::access(directory.c_str(), X_OK) != 0) {
        ::_exit(kDirectoryOutOfReach);
    }
    ::_exit(check() ? 0 : 1);
}

// Runs `check` as user nobody in a child process with the directory handed over: the child's
// exit status, or -1 when it did not run to its end.
int ExitStatusAsNobody(const std::filesystem::path& directory, const std::function<bool()>& check) {
    const Account nobody = Nobody();
    HandOver(directory, nobody);
    const pid_t child = ::fork();
    if (child == 0) {
        RunAs(nobody, directory, check);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

}  // namespace

void ScratchDirectoryTest::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pennix-store-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
}

void ScratchDirectoryTest::TearDown() {
    std::error_code ignored;
    std::filesystem::permissions(directory_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(directory_, ignored);
}

std::vector<std::string> ScratchDirectoryTest::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool ScratchDirectoryTest::CanCheckWithoutPrivileges() const {
    return ::geteuid() != 0 || ExitStatusAsNobody(directory_, [] { return true; }) == 0;
}

bool ScratchDirectoryTest::HoldsWithoutPrivileges(const std::function<bool()>& check) const {
    if (::geteuid() != 0) {
        return check();
    }
    switch (ExitStatusAsNobody(directory_, check)) {
        case 0:
            return true;
        case 1:
            return false;
        default:
            ADD_FAILURE() << "the check could not run as user nobody";
            return false;
    }
}

bool WrittenUnderSizeLimit(std::size_t limit, const std::function<bool()>& write) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool written = write();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);
    return written;
}

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace pennix
