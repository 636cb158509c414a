#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <string>

#include "session/request_line.h"

class QSocketNotifier;

namespace zelvo {

// The running Zelvo's end of the instance channel: a socket only this user can
// reach. Each connection may bring one request line; a request from another user,
// an unknown word, an expression that may not travel or an over-long line is dropped
// with a word on standard error.
// It is a plain Unix socket watched by the event loop, so that no network library
// is loaded for it.
class InstanceServer final : public QObject {
    Q_OBJECT
  public:
    explicit InstanceServer(std::function<void(const InstanceRequest&)> onRequest);
    ~InstanceServer() override;
    InstanceServer(const InstanceServer&) = delete;
    InstanceServer& operator=(const InstanceServer&) = delete;

    // Listens at `socketPath`, replacing a socket that a program ended without
    // removing. The caller holds the instance lock, so nobody else listens there.
    bool Listen(const std::string& socketPath);

  private:
    // A connection and what it has sent so far. Its notifier is a child of the
    // server, so it goes with the server if it outlives its connection's close.
    struct Peer {
        std::string received;
        QSocketNotifier* readable = nullptr;
    };

    void Accept();
    void Read(int fd);
    void Drop(int fd, const char* why);
    void Answer(int fd);
    void Close(int fd);

    std::function<void(const InstanceRequest&)> onRequest_;
    int listener_ = -1;
    std::map<int, Peer> peers_;
};

// Whether the process at the other end of the connected socket `fd` runs as this
// user.
bool PeerIsThisUser(int fd);

}  // namespace zelvo
