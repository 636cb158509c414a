#include "app/instance_server.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zelvo {

bool PeerIsThisUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer &&
           peer.uid == ::getuid();
}

InstanceServer::InstanceServer(std::function<void(const InstanceRequest&)> onRequest)
    : onRequest_(std::move(onRequest)) {}

InstanceServer::~InstanceServer() {
    for (const auto& [fd, peer] : peers_) {
        ::close(fd);
    }
    if (listener_ >= 0) {
        ::close(listener_);
    }
}

// The socket is made reachable by this user alone before anyone may connect to it.
bool InstanceServer::Listen(const std::string& socketPath) {
    sockaddr_un address{};
    if (listener_ >= 0 || socketPath.empty() || socketPath.size() >= sizeof address.sun_path) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return false;
    }
    ::unlink(socketPath.c_str());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(socketPath.c_str(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        return false;
    }
    listener_ = fd;
    connect(new QSocketNotifier(fd, QSocketNotifier::Read, this), &QSocketNotifier::activated, this,
            &InstanceServer::Accept);
    return true;
}

void InstanceServer::Accept() {
    for (;;) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            return;
        }
        if (!PeerIsThisUser(fd)) {
            Drop(fd, "it came from another user");
            continue;
        }
        Peer& peer = peers_[fd];
        peer.readable = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(peer.readable, &QSocketNotifier::activated, this, [this, fd] { Read(fd); });
    }
}

// The line is taken whole or not at all: a request is acted on only once its line
// feed has come, and the answer follows once it was, or comes first for a request
// whose carrying out may wait for the user.
void InstanceServer::Read(int fd) {
    const auto found = peers_.find(fd);
    if (found == peers_.end()) {
        return;
    }
    std::string& received = found->second.received;
    std::array<char, kMaxRequestBytes + 1> chunk{};
    const ssize_t got = ::recv(fd, chunk.data(), chunk.size(), 0);
    if (got < 0) {
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            Close(fd);
        }
        return;
    }
    if (got == 0) {
        Close(fd);
        return;
    }
    received.append(chunk.data(), static_cast<std::size_t>(got));
    const std::size_t end = received.find('\n');
    if (end == std::string::npos) {
        if (received.size() > kMaxRequestBytes) {
            Drop(fd, "its line is too long");
        }
        return;
    }
    const std::optional<InstanceRequest> request =
        ParseRequestLine(std::string_view(received).substr(0, end));
    if (!request) {
        Drop(fd, "it names no command");
        return;
    }
    if (AnsweredOnReceipt(*request)) {
        Answer(fd);
        onRequest_(*request);
        return;
    }
    onRequest_(*request);
    Answer(fd);
}

void InstanceServer::Answer(int fd) {
    static_cast<void>(::send(fd, kRequestAnswer.data(), kRequestAnswer.size(), MSG_NOSIGNAL));
    Close(fd);
}

void InstanceServer::Drop(int fd, const char* why) {
    std::fprintf(stderr, "zelvo: a request over the instance socket was dropped: %s\n", why);
    Close(fd);
}

// A connection is closed from its own notifier's signal, so the notifier goes later. A
// connection refused before it was taken on has no notifier yet.
void InstanceServer::Close(int fd) {
    const auto found = peers_.find(fd);
    if (found != peers_.end()) {
        found->second.readable->setEnabled(false);
        found->second.readable->deleteLater();
        peers_.erase(found);
    }
    ::close(fd);
}

}  // namespace zelvo
