// The claim is a listening socket in Linux's abstract namespace: it leaves no file behind, and
// the kernel frees it when the game ends, however it ends.
#include "single_instance.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <thread>

#include "store/atomic_file.h"

namespace pennix {

namespace {

// A later start waits this long for its call to be taken, and for an answer before it says it is
// waiting.
constexpr timeval kCallTimeout{2, 0};
constexpr auto kAnswerTime = std::chrono::seconds(2);
// The first game binds its name a moment before it listens, and one that ends lets go of it: a
// start that finds the name taken and is then refused tries the name again.
constexpr int kCallAttempts = 20;
constexpr auto kBetweenAttempts = std::chrono::milliseconds(10);
// A game that ends with a call waiting frees its name; another may take it first, once or twice.
constexpr int kClaimAttempts = 3;
// The answers of the first game: come forward, or wait, as it is ending.
constexpr char kComingAnswer = 1;
constexpr char kEndingAnswer = 2;

struct SocketAddress {
    sockaddr_un address{};
    socklen_t length = 0;
};

SocketAddress AddressFor(const std::filesystem::path& settings_file) {
    const std::string name = SingleInstance::ClaimName(settings_file);
    SocketAddress result;
    result.address.sun_family = AF_UNIX;
    std::memcpy(result.address.sun_path + 1, name.data(), name.size());  // [0] stays 0: abstract
    result.length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    return result;
}

const sockaddr* AsGeneric(const SocketAddress& socket_address) {
    return reinterpret_cast<const sockaddr*>(&socket_address.address);
}

// Abstract names carry no permissions: a name another user took first is not a game to hand
// over to, nor is a start by another user one to answer.
bool PeerIsThisUser(int socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::getuid();
}

enum class Call {
    kAnswered,      // a game of this user has the call and comes forward
    kNoGame,        // nobody listens, or another user does
    kGone,          // the game ended with the call waiting, and its name is free now
    kStillEnding,   // the game has been ending for longer than a start waits
    kNoAnswer,      // the game has not answered for longer than a start waits
    kNotListening,  // the name is bound, or was a moment ago, but nobody takes calls on it
};

using Clock = std::chrono::steady_clock;

// kHungUp: the call was ended without a byte, or failed some other way.
enum class Received { kByte, kHungUp, kReset, kTimedOut };

// The milliseconds poll() is to wait until `deadline`: none once it has passed.
int PollTimeout(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::clamp<std::int64_t>(left.count(), 0, INT32_MAX));
}

// Waits for one byte until `deadline`; a deadline passed already waits no more.
Received ReceiveByte(int socket, Clock::time_point deadline, char& byte) {
    for (;;) {
        pollfd call{socket, POLLIN, 0};
        const int ready = ::poll(&call, 1, PollTimeout(deadline));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return Received::kTimedOut;
        }
        const ssize_t got = ::recv(socket, &byte, 1, MSG_DONTWAIT);
        if (got < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) {
            continue;
        }
        if (got == 1) {
            return Received::kByte;
        }
        return got < 0 && errno == ECONNRESET ? Received::kReset : Received::kHungUp;
    }
}

// A game that is ending answers so and holds the call until it has saved and let go of the
// file: then this start is the game. One that never lets go leaves this start out.
Call AwaitEnd(int socket, Clock::time_point deadline) {
    std::fputs("pennix: the open game is ending; this one starts once it has saved\n", stderr);
    char ignored = 0;
    return ReceiveByte(socket, deadline, ignored) == Received::kHungUp ? Call::kGone
                                                                       : Call::kStillEnding;
}

// The first game answers with one byte once its event loop has taken the call. A game busy
// saving before it ends never takes it: its listener closes with the call still waiting, which
// the kernel reports as a reset, and the name is free. A game that answers late is still
// starting, or saving on a slow disk: it is waited for until the deadline. A call taken without
// an answer leaves a game holding the file: better none than two on one file.
Call AwaitAnswer(int socket, Clock::time_point deadline) {
    // Even a call made just before the deadline gets the time a starting game needs to answer.
    char answer = 0;
    Received got = ReceiveByte(socket, Clock::now() + kAnswerTime, answer);
    if (got == Received::kTimedOut) {
        std::fputs("pennix: the open game does not answer yet; waiting for it\n", stderr);
        got = ReceiveByte(socket, deadline, answer);
    }
    switch (got) {
        case Received::kTimedOut:
            return Call::kNoAnswer;
        case Received::kReset:
            return Call::kGone;
        case Received::kByte:
            return answer == kEndingAnswer ? AwaitEnd(socket, deadline) : Call::kAnswered;
        case Received::kHungUp:
            break;
    }
    return Call::kAnswered;
}

// A call that cannot even be queued (the queue of calls is full) is taken for no game: the
// holder of the name cannot be told without a connection, and another user could fill the
// queue of a name it took to keep this user's game from starting.
Call CallFirstGame(const SocketAddress& address, Clock::time_point deadline) {
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return Call::kNoGame;
    }
    // Blocking, so that a queue of calls full for a moment is waited out.
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &kCallTimeout, sizeof kCallTimeout);
    const bool connected = ::connect(socket, AsGeneric(address), address.length) == 0;
    const int error = errno;
    Call call = Call::kNoGame;
    if (connected && PeerIsThisUser(socket)) {
        call = AwaitAnswer(socket, deadline);
    } else if (!connected && error == ECONNREFUSED) {
        call = Call::kNotListening;
    }
    ::close(socket);
    return call;
}

// Takes the name, leaving its socket in `listener`, or else calls the game that holds it.
// Without a socket the game still runs, as it would have without the claim. A name that nobody
// listens on belongs to a game between its bind and its listen, or was let go of by a game that
// ended after this start found it taken: the name is tried again, so that this start does not
// run beside the next one without a claim.
Call Claim(const SocketAddress& address, Clock::time_point deadline, int& listener) {
    for (int attempt = 0; attempt < kCallAttempts; ++attempt) {
        if (attempt > 0) {
            std::this_thread::sleep_for(kBetweenAttempts);
        }
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (socket < 0) {
            return Call::kNoGame;
        }
        if (::bind(socket, AsGeneric(address), address.length) == 0 &&
            ::listen(socket, SOMAXCONN) == 0) {
            listener = socket;
            return Call::kNoGame;
        }
        const bool name_taken = errno == EADDRINUSE;
        ::close(socket);
        if (!name_taken) {
            return Call::kNoGame;
        }
        const Call call = CallFirstGame(address, deadline);
        if (call != Call::kNotListening) {
            return call;
        }
    }
    return Call::kNoGame;
}

}  // namespace

std::string SingleInstance::ClaimName(const std::filesystem::path& settings_file) {
    // The same file reached by different paths gets one name, even through a link to a file
    // not made yet; FNV-1a keeps any path within the address's 107 bytes.
    std::error_code error;
    const std::filesystem::path target = FollowLinks(settings_file).value_or(settings_file);
    std::filesystem::path file = std::filesystem::weakly_canonical(target, error);
    if (error) {
        file = target;
    }
    std::uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char byte : file.string()) {
        hash = (hash ^ byte) * 1099511628211ULL;
    }
    char name[64];
    std::snprintf(name, sizeof name, "pennix-%u-%016llx", ::getuid(),
                  static_cast<unsigned long long>(hash));
    return name;
}

SingleInstance::SingleInstance(const std::filesystem::path& settings_file,
                               std::chrono::seconds longest_end_wait) {
    const SocketAddress address = AddressFor(settings_file);
    // One wait in all, however many times the name changes hands meanwhile.
    const Clock::time_point deadline = Clock::now() + longest_end_wait;
    Call call = Call::kGone;
    for (int attempt = 0; attempt < kClaimAttempts && call == Call::kGone; ++attempt) {
        call = Claim(address, deadline, listener_);
    }
    // Names freed and taken again every time are games coming and going: this one stays out,
    // as it does when the game holding the file takes too long to end or to answer.
    handed_over_ = call == Call::kAnswered;
    unanswered_ = call == Call::kNoAnswer;
    gave_up_ = call == Call::kGone || call == Call::kStillEnding || unanswered_;
    if (listener_ >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated,
                         [this] { AnswerLaterStarts(); });
    }
}

SingleInstance::~SingleInstance() {
    Release();
}

void SingleInstance::WhenStartedAgain(std::function<void()> come_forward) {
    come_forward_ = std::move(come_forward);
}

void SingleInstance::Ending() {
    ending_ = true;
}

void SingleInstance::HoldCalls() {
    if (notifier_) {
        notifier_->setEnabled(false);
    }
}

void SingleInstance::AnswerCalls() {
    if (notifier_ && !cannot_accept_) {
        notifier_->setEnabled(true);
    }
}

void SingleInstance::EndingWhen(std::function<bool()> about_to_end) {
    about_to_end_ = std::move(about_to_end);
}

void SingleInstance::Release() {
    notifier_.reset();
    if (listener_ >= 0) {
        ::close(listener_);
        listener_ = -1;
    }
    for (const int call : held_calls_) {
        ::close(call);
    }
    held_calls_.clear();
}

void SingleInstance::AnswerLaterStarts() {
    bool asked = false;
    const bool ending = ending_ || (about_to_end_ && about_to_end_());
    int start = -1;
    while ((start = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
        if (!PeerIsThisUser(start)) {
            ::close(start);
            continue;
        }
        const char answer = ending ? kEndingAnswer : kComingAnswer;
        (void)::send(start, &answer, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (ending) {
            held_calls_.push_back(start);  // let go with the claim
        } else {
            asked = true;
            ::close(start);
        }
    }
    // A call that cannot be taken (no descriptor left) would wake the notifier again at once,
    // forever: later starts then go unanswered instead.
    if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR && errno != ECONNABORTED) {
        cannot_accept_ = true;
        notifier_->setEnabled(false);
    }
    if (asked && come_forward_) {
        come_forward_();
    }
}

}  // namespace pennix
