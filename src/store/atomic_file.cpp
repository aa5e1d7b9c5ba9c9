// Reading a small file without trusting it, and replacing a file atomically, with POSIX calls.
#include "atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace pennix {
namespace {

constexpr int kTemporaryNameAttempts = 100;
// A temporary file's name repeats at most this much of the file's own name, so that it stays
// within the system's 255 bytes however long the file's name is.
constexpr std::size_t kNameKeptInTemporary = 64;

// Closes the descriptor it holds when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

    // Closes now, reporting the error a delayed write may only show at this point.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// The folder a file given by a bare name lies in is the current one.
std::filesystem::path DirectoryOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

bool ReadInto(int fd, std::string& bytes, std::size_t wanted) {
    std::array<char, 64 * 1024> chunk;
    while (bytes.size() < wanted) {
        const std::size_t ask = std::min(chunk.size(), wanted - bytes.size());
        const ssize_t got = ::read(fd, chunk.data(), ask);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            break;
        }
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
    return true;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Every temporary file of `file` is named this, then the writer's PID, "-" and a counter.
std::string TemporaryPrefix(const std::filesystem::path& file) {
    return "." + file.filename().string().substr(0, kNameKeptInTemporary) + ".tmp-";
}

// A decimal number as a temporary file's name holds it: digits only, no leading zero.
std::optional<unsigned long> NameNumber(std::string_view digits) {
    unsigned long value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || (digits.size() > 1 && digits.front() == '0') || error != std::errc{} ||
        stop != end) {
        return std::nullopt;
    }
    return value;
}

// The PID of the writer whose temporary file has this name, or nothing for any other name.
std::optional<pid_t> TemporaryOwner(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) {
        return std::nullopt;
    }
    name.remove_prefix(prefix.size());
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<unsigned long> pid = NameNumber(name.substr(0, dash));
    const std::optional<unsigned long> counter = NameNumber(name.substr(dash + 1));
    if (!pid || !counter || *pid == 0 ||
        *pid > static_cast<unsigned long>(std::numeric_limits<pid_t>::max()) ||
        *counter > std::numeric_limits<unsigned>::max()) {
        return std::nullopt;
    }
    return static_cast<pid_t>(*pid);
}

// Only a process that no longer exists is known not to be writing; one that may not be signalled
// still runs.
bool HasEnded(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// A save killed between writing its temporary file and renaming it leaves that file behind for
// good. Those of writers that have ended are removed; a live writer's may be about to be renamed.
void RemoveEndedWritersTemporaries(const std::filesystem::path& file) noexcept {
    constexpr auto kRegular = std::filesystem::file_type::regular;
    try {
        const std::string prefix = TemporaryPrefix(file);
        std::error_code error;
        std::filesystem::directory_iterator entry(DirectoryOf(file), error);
        for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
            const std::optional<pid_t> owner =
                TemporaryOwner(entry->path().filename().string(), prefix);
            std::error_code unknown_type;
            if (owner && entry->symlink_status(unknown_type).type() == kRegular &&
                HasEnded(*owner)) {
                ::unlink(entry->path().c_str());
            }
        }
    } catch (...) {
        // Left for a later save: this one does not depend on it.
    }
}

// A new file is opened with mode 0666, so that it gets the permissions the user's umask gives it;
// one that replaces a file is opened for its owner alone until it has that file's owner and mode,
// so that nobody the old file kept out can open it in between and read what is written.
std::optional<std::filesystem::path> CreateTemporary(const std::filesystem::path& file, mode_t mode,
                                                     int& fd) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path directory = DirectoryOf(file);
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::string name =
            TemporaryPrefix(file) + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        std::filesystem::path temporary = directory / name;
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            return temporary;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// The mode last: a change of owner may clear some of its bits.
void KeepOwnerAndMode(int fd, const struct stat& old) {
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        // Only a privileged process may give a file away; otherwise the new owner is the writer.
        // A member of the file's group may still keep the group, which shares it with the others.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
    }
    ::fchmod(fd, old.st_mode & 07777);
}

// Makes the rename itself durable; a failure here loses nothing already on disk.
void SyncDirectory(const std::filesystem::path& file) {
    const std::filesystem::path directory = DirectoryOf(file);
    Descriptor fd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) {
        ::fsync(fd.get());
    }
}

bool WriteSyncAndRename(const std::filesystem::path& file, const std::filesystem::path& temporary,
                        Descriptor& fd, std::string_view bytes, const struct stat* old) {
    if (old != nullptr) {
        KeepOwnerAndMode(fd.get(), *old);
    }
    return WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0 && fd.Close() &&
           ::rename(temporary.c_str(), file.c_str()) == 0;
}

}  // namespace

FileContents ReadSmallFile(const std::filesystem::path& file, std::size_t limit) noexcept {
    try {
        Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (!fd.valid()) {
            return {errno == ENOENT ? FileStatus::kMissing : FileStatus::kFailed, {}};
        }
        struct stat info {};
        if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
            return {FileStatus::kFailed, {}};
        }
        // One byte past the limit tells a file of exactly `limit` bytes from a longer one; no
        // file is longer than the largest limit.
        const std::size_t wanted =
            limit < std::numeric_limits<std::size_t>::max() ? limit + 1 : limit;
        FileContents contents{FileStatus::kWhole, {}};
        if (!ReadInto(fd.get(), contents.bytes, wanted)) {
            return {FileStatus::kFailed, {}};
        }
        if (contents.bytes.size() > limit) {
            contents.bytes.resize(limit);
            contents.status = FileStatus::kTooLarge;
        }
        return contents;
    } catch (...) {
        return {FileStatus::kFailed, {}};
    }
}

std::optional<std::filesystem::path> FollowLinks(const std::filesystem::path& file) noexcept {
    try {
        constexpr int kMostLinks = 40;  // as many as the kernel follows before it reports a loop
        std::filesystem::path target = file;
        for (int followed = 0; followed <= kMostLinks; ++followed) {
            std::error_code error;
            if (std::filesystem::symlink_status(target, error).type() !=
                std::filesystem::file_type::symlink) {
                return target;
            }
            const std::filesystem::path named = std::filesystem::read_symlink(target, error);
            if (error) {
                return std::nullopt;
            }
            target = named.is_absolute() ? named : target.parent_path() / named;
        }
        return std::nullopt;
    } catch (...) {
        return std::nullopt;
    }
}

bool ReplaceFile(const std::filesystem::path& file, std::string_view bytes) noexcept {
    try {
        // The file a link names is replaced, or created when missing, rather than the link.
        const std::optional<std::filesystem::path> target = FollowLinks(file);
        if (!target) {
            return false;
        }
        struct stat old {};
        const bool exists = ::stat(target->c_str(), &old) == 0;
        if (!exists && errno != ENOENT) {
            return false;
        }
        if (exists && (!S_ISREG(old.st_mode) || ::access(target->c_str(), W_OK) != 0)) {
            return false;
        }
        RemoveEndedWritersTemporaries(*target);
        int raw_fd = -1;
        const std::optional<std::filesystem::path> temporary =
            CreateTemporary(*target, exists ? 0600 : 0666, raw_fd);
        if (!temporary) {
            return false;
        }
        Descriptor fd(raw_fd);
        if (!WriteSyncAndRename(*target, *temporary, fd, bytes, exists ? &old : nullptr)) {
            ::unlink(temporary->c_str());
            return false;
        }
        SyncDirectory(*target);
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace pennix
