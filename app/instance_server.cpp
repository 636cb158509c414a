#include "app/instance_server.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QLocalSocket>
#include <cstdio>

namespace zelvo {
namespace {

void Drop(QLocalSocket* socket, const char* why) {
    std::fprintf(stderr, "zelvo: a request over the instance socket was dropped: %s\n", why);
    socket->abort();
    socket->deleteLater();
}

}  // namespace

bool PeerIsThisUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer &&
           peer.uid == ::getuid();
}

InstanceServer::InstanceServer(std::function<void(InstanceRequest)> onRequest)
    : onRequest_(std::move(onRequest)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &InstanceServer::Accept);
}

bool InstanceServer::Listen(const std::string& socketPath) {
    const QString path = QString::fromStdString(socketPath);
    QLocalServer::removeServer(path);
    return server_.listen(path);
}

void InstanceServer::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        if (!PeerIsThisUser(static_cast<int>(socket->socketDescriptor()))) {
            Drop(socket, "it came from another user");
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0) {
            Read(socket);
        }
    }
}

// The line is taken whole or not at all: a request is acted on only once its line
// feed has come, and the answer follows once it was.
void InstanceServer::Read(QLocalSocket* socket) {
    const QByteArray pending = socket->peek(static_cast<qint64>(kMaxRequestBytes) + 1);
    const qsizetype end = pending.indexOf('\n');
    if (end < 0) {
        if (pending.size() > static_cast<qsizetype>(kMaxRequestBytes)) {
            Drop(socket, "its line is too long");
        }
        return;
    }
    const QByteArray line = socket->read(end + 1).chopped(1);
    const std::optional<InstanceRequest> request =
        ParseRequestLine(std::string_view(line.constData(), static_cast<std::size_t>(line.size())));
    if (!request) {
        Drop(socket, "it names no command");
        return;
    }
    onRequest_(*request);
    socket->write(kRequestAnswer.data(), static_cast<qint64>(kRequestAnswer.size()));
    socket->flush();
    socket->disconnectFromServer();
}

}  // namespace zelvo
