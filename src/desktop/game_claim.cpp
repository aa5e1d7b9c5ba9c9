// The claim is an flock on a lock file in a folder no other account can reach: the kernel lets
// go of it however the game ends, and only one of two starts racing can take it. A local socket
// beside it carries the calls of later starts: come forward, or wait, as the game is ending.
#include "game_claim.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "store/atomic_file.h"

namespace pennix {

struct GameClaim::Held {
    int lock = -1;
    std::unique_ptr<QLocalServer> listener;
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

enum class Received { kByte, kHungUp, kTimedOut };

int MillisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::clamp<std::int64_t>(left.count(), 0, INT32_MAX));
}

// Waits for one byte until `deadline`; a byte sent just before the call was ended still counts.
Received ReceiveByte(QLocalSocket& call, Clock::time_point deadline, char& byte) {
    for (;;) {
        if (call.bytesAvailable() > 0 && call.getChar(&byte)) {
            return Received::kByte;
        }
        if (call.state() != QLocalSocket::ConnectedState) {
            return Received::kHungUp;
        }
        const int left = MillisecondsUntil(deadline);
        if (left == 0) {
            return Received::kTimedOut;
        }
        call.waitForReadyRead(left);
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
Call AwaitEnd(QLocalSocket& call, Clock::time_point deadline, Told& told) {
    SayOnce(told.ending, "pennix: the open game is ending; this one starts once it has saved\n");
    char ignored = 0;
    return ReceiveByte(call, deadline, ignored) == Received::kHungUp ? Call::kGone
                                                                     : Call::kStillEnding;
}

// The game answers with one byte once its event loop has taken the call. One that answers late
// is still starting, replying, or saving on a slow disk: it is waited for until the deadline,
// and even a call made just before the deadline gets the time a starting game needs.
Call CallGame(const QString& address, Clock::time_point deadline, Told& told) {
    QLocalSocket call;
    call.connectToServer(address);
    if (!call.waitForConnected(static_cast<int>(kAnswerTime.count() * 1000))) {
        return Call::kNotListening;
    }
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
std::unique_ptr<QLocalServer> Listen(const std::filesystem::path& address) {
    std::error_code error;
    std::filesystem::remove(address, error);
    auto listener = std::make_unique<QLocalServer>();
    listener->setMaxPendingConnections(SOMAXCONN);
    if (!listener->listen(QString::fromStdString(address.native()))) {
        return nullptr;
    }
    return listener;
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
            held_.push_back(Held{lock, nullptr});
        }
        if (busy_name.empty()) {
            break;
        }
        LetGoOfLocks();
        const Call call =
            CallGame(QString::fromStdString(FileIn(folder, busy_name, ".socket")), deadline, told);
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
        if (held_[i].lock >= 0) {
            held_[i].listener = Listen(FileIn(folder, names[i], ".socket"));
        }
        if (held_[i].listener) {
            QObject::connect(held_[i].listener.get(), &QLocalServer::newConnection,
                             held_[i].listener.get(), [this] { AnswerLaterStarts(); });
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

void GameClaim::HoldCalls() {
    holding_calls_ = true;
}

// The held calls are answered from the event loop, as a call coming now would be.
void GameClaim::AnswerCalls() {
    holding_calls_ = false;
    for (const Held& held : held_) {
        if (held.listener) {
            QTimer::singleShot(0, held.listener.get(), [this] { AnswerLaterStarts(); });
            return;
        }
    }
}

void GameClaim::LetGoOfLocks() {
    for (Held& held : held_) {
        held.listener.reset();
        if (held.lock >= 0) {
            ::close(held.lock);
        }
    }
    held_.clear();
}

// The locks go before the calls of starts waiting for the end: woken, they find the claim free.
void GameClaim::Release() {
    LetGoOfLocks();
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
    for (const Held& held : held_) {
        while (held.listener && held.listener->hasPendingConnections()) {
            std::unique_ptr<QLocalSocket> call(held.listener->nextPendingConnection());
            call->setParent(nullptr);
            call->putChar(ending ? kEndingAnswer : kComingAnswer);
            call->flush();
            if (ending) {
                ending_calls_.push_back(std::move(call));  // let go with the claim
            } else {
                asked = true;
                call->disconnectFromServer();
            }
        }
    }
    if (asked && come_forward_) {
        come_forward_();
    }
}

}  // namespace pennix
