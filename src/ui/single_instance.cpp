// The claim is a listening socket in Linux's abstract namespace: it leaves no file behind, and
// the kernel frees it when the game ends, however it ends.
#include "single_instance.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace pennix {

namespace {

struct SocketAddress {
    sockaddr_un address{};
    socklen_t length = 0;
};

// The same file reached by different paths gets one name; FNV-1a keeps any path within the
// address's 107 bytes.
SocketAddress AddressFor(const std::filesystem::path& settings_file) {
    std::error_code error;
    std::filesystem::path file = std::filesystem::weakly_canonical(settings_file, error);
    if (error) {
        file = settings_file;
    }
    std::uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char byte : file.string()) {
        hash = (hash ^ byte) * 1099511628211ULL;
    }
    char name[64];
    const int size = std::snprintf(name, sizeof name, "pennix-%u-%016llx", ::getuid(),
                                   static_cast<unsigned long long>(hash));
    SocketAddress result;
    result.address.sun_family = AF_UNIX;
    std::memcpy(result.address.sun_path + 1, name, size);  // sun_path[0] stays 0: abstract
    result.length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + size);
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

}  // namespace

SingleInstance::SingleInstance(const std::filesystem::path& settings_file) {
    const SocketAddress address = AddressFor(settings_file);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return;  // without a claim the game still runs, as it would have before
    }
    if (::bind(socket, AsGeneric(address), address.length) == 0 && ::listen(socket, 8) == 0) {
        listener_ = socket;
        notifier_ = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated,
                         [this] { AnswerLaterStarts(); });
        return;
    }
    handed_over_ = errno == EADDRINUSE &&
                   ::connect(socket, AsGeneric(address), address.length) == 0 &&
                   PeerIsThisUser(socket);
    ::close(socket);
}

SingleInstance::~SingleInstance() {
    notifier_.reset();
    if (listener_ >= 0) {
        ::close(listener_);
    }
}

void SingleInstance::WhenStartedAgain(std::function<void()> come_forward) {
    come_forward_ = std::move(come_forward);
}

void SingleInstance::AnswerLaterStarts() {
    bool asked = false;
    for (int start; (start = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        asked = PeerIsThisUser(start) || asked;
        ::close(start);
    }
    if (asked && come_forward_) {
        come_forward_();
    }
}

}  // namespace pennix
