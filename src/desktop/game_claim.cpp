// The claim is an flock on a lock file in a folder no other account can reach: the kernel lets
// go of it however the game ends, and only one of two starts racing can take it. A local socket
// beside it carries the calls of later starts: come forward, or wait, as the game is ending.
#include "game_claim.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>

#include "store/atomic_file.h"

namespace pennix {

struct GameClaim::Held {
    int lock = -1;
    int listener = -1;
    std::filesystem::path address;  // the listener's socket file
    std::unique_ptr<QSocketNotifier> notifier;
    bool stuck = false;  // calls cannot be taken: the notifier would wake for them forever
};

namespace {

using Clock = std::chrono::steady_clock;

// A later start waits this long for an answer before it says it is waiting; a game between
// taking its lock and listening is called again a moment later.
constexpr auto kAnswerTime = std::chrono::seconds(2);
constexpr auto kBetweenCalls = std::chrono::milliseconds(20);
// The answers of the first game: come forward, or wait, as it is ending.
constexpr char kComingAnswer = 1;
constexpr char kEndingAnswer = 2;
// The longest name a folder may give the claim's socket: "file-<16>-<16>.socket" after it.
constexpr std::size_t kLongestFolder = sizeof(sockaddr_un::sun_path) - 48;

// A folder of this user's that no other account may change: nobody else can then put a socket
// or a lock where the game looks for its own.
bool IsOwnFolder(const std::filesystem::path& folder, mode_t refused_modes) {
    struct stat status {};
    return ::lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::getuid() && (status.st_mode & refused_modes) == 0 &&
           folder.native().size() <= kLongestFolder;
}

// Made when missing, and closed to others when it is ours but open; another account's, or a
// link to somewhere else, is refused.
bool MakePrivateFolder(const std::filesystem::path& folder) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    if (IsOwnFolder(folder, 0) && !IsOwnFolder(folder, 077)) {
        ::chmod(folder.c_str(), 0700);
    }
    return IsOwnFolder(folder, 077);
}

std::string Hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// FNV-1a keeps any path within a socket address's 107 bytes.
std::uint64_t Hash(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char byte : text) {
        hash = (hash ^ byte) * 1099511628211ULL;
    }
    return hash;
}

// A socket file's address; none for a path longer than an address holds.
std::optional<sockaddr_un> AddressOf(const std::filesystem::path& file) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (file.native().size() >= sizeof address.sun_path) {
        return std::nullopt;
    }
    std::memcpy(address.sun_path, file.c_str(), file.native().size());
    return address;
}

const sockaddr* AsGeneric(const sockaddr_un& address) {
    return reinterpret_cast<const sockaddr*>(&address);
}

// The folder is private already; a socket of another account's in it is still no game to hand
// over to, nor is its start one to answer.
bool PeerIsThisUser(int socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::getuid();
}

// kHungUp: the call was ended without a byte, or failed some other way (reset, as it is when
// the game closes its listener with the call still waiting to be taken).
enum class Received { kByte, kHungUp, kTimedOut };

int MillisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::clamp<std::int64_t>(left.count(), 0, INT32_MAX));
}

// Waits for one byte until `deadline`; a byte sent just before the call was ended still counts.
Received ReceiveByte(int call, Clock::time_point deadline, char& byte) {
    for (;;) {
        pollfd waiting{call, POLLIN, 0};
        const int ready = ::poll(&waiting, 1, MillisecondsUntil(deadline));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return Received::kTimedOut;
        }
        const ssize_t got = ::recv(call, &byte, 1, MSG_DONTWAIT);
        if (got < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) {
            continue;
        }
        return got == 1 ? Received::kByte : Received::kHungUp;
    }
}

enum class Call {
    kAnswered,      // the game comes forward
    kGone,          // the game let go of the claim, or is letting go: claim again
    kNotListening,  // the lock is held, but nobody takes calls yet (or any more)
    kStillEnding,   // the game has been ending for longer than a start waits
    kNoAnswer,      // the game has not answered for longer than a start waits
};

// Each of the two messages is said once, however often the claim changes hands meanwhile.
struct Told {
    bool waiting = false;
    bool ending = false;
};

void SayOnce(bool& said, const char* text) {
    if (!said) {
        said = true;
        std::fputs(text, stderr);
    }
}

// A game that is ending answers so and holds the call until it has saved and let go of the
// claim: then this start is the game. One that never lets go leaves this start out.
Call AwaitEnd(int call, Clock::time_point deadline, Told& told) {
    SayOnce(told.ending, "pennix: the open game is ending; this one starts once it has saved\n");
    char ignored = 0;
    return ReceiveByte(call, deadline, ignored) == Received::kHungUp ? Call::kGone
                                                                     : Call::kStillEnding;
}

// A call to the game listening at `address`, or -1 when none of this user's does. A queue of
// calls full for a moment is waited out, for as long as an answer is.
int Connect(const sockaddr_un& address) {
    const int call = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (call < 0) {
        return -1;
    }
    const timeval timeout{static_cast<time_t>(kAnswerTime.count()), 0};
    ::setsockopt(call, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    int result = -1;
    do {
        result = ::connect(call, AsGeneric(address), sizeof address);
    } while (result != 0 && errno == EINTR);
    if (result != 0 || !PeerIsThisUser(call)) {
        ::close(call);
        return -1;
    }
    return call;
}

// The game answers with one byte once its event loop has taken the call. One that answers late
// is still starting, replying, or saving on a slow disk: it is waited for until the deadline,
// and even a call made just before the deadline gets the time a starting game needs.
Call AwaitAnswer(int call, Clock::time_point deadline, Told& told) {
    char answer = 0;
    Received got = ReceiveByte(call, Clock::now() + kAnswerTime, answer);
    if (got == Received::kTimedOut) {
        SayOnce(told.waiting, "pennix: the open game does not answer yet; waiting for it\n");
        got = ReceiveByte(call, deadline, answer);
    }
    switch (got) {
        case Received::kTimedOut:
            return Call::kNoAnswer;
        case Received::kHungUp:
            return Call::kGone;
        case Received::kByte:
            break;
    }
    return answer == kEndingAnswer ? AwaitEnd(call, deadline, told) : Call::kAnswered;
}

Call CallGame(const std::filesystem::path& socket_file, Clock::time_point deadline, Told& told) {
    const std::optional<sockaddr_un> address = AddressOf(socket_file);
    const int call = address ? Connect(*address) : -1;
    if (call < 0) {
        return Call::kNotListening;
    }
    const Call result = AwaitAnswer(call, deadline, told);
    ::close(call);
    return result;
}

std::filesystem::path FileIn(const std::filesystem::path& folder, const std::string& name,
                             const char* ending) {
    return folder / (name + ending);
}

// The lock file's descriptor, locked; -1 when another holds it (`busy`) or it cannot be had.
int TakeLock(const std::filesystem::path& file, bool& busy) {
    const int lock = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lock < 0) {
        return -1;
    }
    int result = -1;
    do {
        result = ::flock(lock, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        busy = errno == EWOULDBLOCK;
        ::close(lock);
        return -1;
    }
    return lock;
}

// Whatever a dead game left at the socket's name goes: the lock says nobody else uses it.
// The listener never blocks, as calls are taken from the event loop; -1 when none can be had.
int Listen(const std::filesystem::path& socket_file) {
    const std::optional<sockaddr_un> address = AddressOf(socket_file);
    if (!address) {
        return -1;
    }
    std::error_code error;
    std::filesystem::remove(socket_file, error);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listener < 0) {
        return -1;
    }
    if (::bind(listener, AsGeneric(*address), sizeof *address) != 0 ||
        ::listen(listener, SOMAXCONN) != 0) {
        ::close(listener);
        return -1;
    }
    return listener;
}

// The next call waiting from a start of this user's, or -1 when none is left to take. A call
// that cannot be taken (no descriptor is left, say) makes the listener `stuck`.
int NextCall(int listener, bool& stuck) {
    for (;;) {
        const int call = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (call >= 0 && PeerIsThisUser(call)) {
            return call;
        }
        if (call >= 0) {
            ::close(call);
        } else if (errno != EINTR && errno != ECONNABORTED) {
            stuck = errno != EAGAIN && errno != EWOULDBLOCK;
            return -1;
        }
    }
}

// Never waits: a start that stopped reading cannot hold up the game's event loop.
void Answer(int call, char answer) {
    while (::send(call, &answer, 1, MSG_NOSIGNAL | MSG_DONTWAIT) < 0 && errno == EINTR) {
    }
}

}  // namespace

std::filesystem::path GameClaim::ClaimFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/' && IsOwnFolder(runtime, 022)) {
        return runtime;
    }
    const std::filesystem::path in_tmp = "/tmp/pennix-" + std::to_string(::getuid());
    if (MakePrivateFolder(in_tmp)) {
        return in_tmp;
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        const std::filesystem::path cache = std::filesystem::path(home) / ".cache";
        ::mkdir(cache.c_str(), 0700);
        if (MakePrivateFolder(cache / "pennix")) {
            return cache / "pennix";
        }
    }
    return {};
}

std::vector<std::string> GameClaim::ClaimNames(const std::filesystem::path& settings_file) {
    // The same file reached through linked folders, or through a link to a file not made yet,
    // has one path: the name stays the same when a save replaces the file.
    const std::filesystem::path target = FollowLinks(settings_file).value_or(settings_file);
    std::error_code error;
    std::filesystem::path file = std::filesystem::weakly_canonical(target, error);
    if (error) {
        file = std::filesystem::absolute(target, error);
    }
    std::vector<std::string> names{"path-" + Hex(Hash(file.native()))};
    struct stat status {};
    if (::stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
        names.push_back("file-" + Hex(status.st_dev) + "-" + Hex(status.st_ino));
    }
    return names;
}

GameClaim::GameClaim(const std::filesystem::path& settings_file,
                     std::chrono::seconds longest_end_wait) {
    const std::filesystem::path folder = ClaimFolder();
    if (folder.empty()) {
        return;
    }
    // Held open, the file keeps its number while the game runs, even once a save has replaced
    // it: no other file can come to share the claim's name for it.
    settings_descriptor_ = ::open(settings_file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    const std::vector<std::string> names = ClaimNames(settings_file);
    const Clock::time_point started = Clock::now();
    const Clock::time_point deadline = started + longest_end_wait;
    Told told;
    for (;;) {
        std::string busy_name;
        for (const std::string& name : names) {
            bool busy = false;
            const int lock = TakeLock(FileIn(folder, name, ".lock"), busy);
            if (busy) {
                busy_name = name;
                break;
            }
            held_.emplace_back().lock = lock;
        }
        if (busy_name.empty()) {
            break;
        }
        LetGoOfLocks();
        const Call call = CallGame(FileIn(folder, busy_name, ".socket"), deadline, told);
        handed_over_ = call == Call::kAnswered;
        const bool late = Clock::now() >= deadline;
        unanswered_ = call == Call::kNoAnswer || (late && call == Call::kNotListening);
        gave_up_ = unanswered_ || call == Call::kStillEnding || (late && call == Call::kGone);
        if (handed_over_ || gave_up_) {
            return;
        }
        if (call == Call::kNotListening) {
            // A game that holds the claim but takes no calls for long is as slow as one that
            // takes them late.
            if (Clock::now() - started > kAnswerTime) {
                SayOnce(told.waiting,
                        "pennix: the open game does not answer yet; waiting for it\n");
            }
            std::this_thread::sleep_for(kBetweenCalls);
        }
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        Held& held = held_[i];
        if (held.lock >= 0) {
            held.address = FileIn(folder, names[i], ".socket");
            held.listener = Listen(held.address);
        }
        if (held.listener >= 0) {
            held.notifier = std::make_unique<QSocketNotifier>(held.listener, QSocketNotifier::Read);
            QObject::connect(held.notifier.get(), &QSocketNotifier::activated, held.notifier.get(),
                             [this] { AnswerLaterStarts(); });
        }
    }
}

GameClaim::~GameClaim() {
    Release();
}

void GameClaim::WhenStartedAgain(std::function<void()> come_forward) {
    come_forward_ = std::move(come_forward);
}

void GameClaim::Ending() {
    ending_ = true;
}

void GameClaim::EndingWhen(std::function<bool()> about_to_end) {
    about_to_end_ = std::move(about_to_end);
}

// The calls wait in the listeners' queues meanwhile; a notifier left on would wake for them
// again and again.
void GameClaim::HoldCalls() {
    holding_calls_ = true;
    for (const Held& held : held_) {
        if (held.notifier) {
            held.notifier->setEnabled(false);
        }
    }
}

// The held calls are answered from the event loop, as a call coming now would be.
void GameClaim::AnswerCalls() {
    holding_calls_ = false;
    for (const Held& held : held_) {
        if (held.notifier && !held.stuck) {
            held.notifier->setEnabled(true);
        }
    }
}

// The socket file goes while the lock is still held: no start of the next game's can have
// bound it yet. Calls still waiting in the queue are reset, and their starts claim again.
void GameClaim::LetGoOfLocks() {
    for (Held& held : held_) {
        held.notifier.reset();
        if (held.listener >= 0) {
            std::error_code error;
            std::filesystem::remove(held.address, error);
            ::close(held.listener);
        }
        if (held.lock >= 0) {
            ::close(held.lock);
        }
    }
    held_.clear();
}

// The locks go before the calls of starts waiting for the end: woken, they find the claim free.
void GameClaim::Release() {
    LetGoOfLocks();
    for (const int call : ending_calls_) {
        ::close(call);
    }
    ending_calls_.clear();
    if (settings_descriptor_ >= 0) {
        ::close(settings_descriptor_);
        settings_descriptor_ = -1;
    }
}

void GameClaim::AnswerLaterStarts() {
    if (holding_calls_) {
        return;
    }
    bool asked = false;
    const bool ending = ending_ || (about_to_end_ && about_to_end_());
    for (Held& held : held_) {
        int call = -1;
        while (held.listener >= 0 && (call = NextCall(held.listener, held.stuck)) >= 0) {
            Answer(call, ending ? kEndingAnswer : kComingAnswer);
            if (ending) {
                ending_calls_.push_back(call);  // let go with the claim
            } else {
                asked = true;
                ::close(call);
            }
        }
        // Later starts then go unanswered, and give up, rather than the game spinning.
        if (held.stuck && held.notifier) {
            held.notifier->setEnabled(false);
        }
    }
    if (asked && come_forward_) {
        come_forward_();
    }
}

}  // namespace pennix
