#pragma once

#include <QLocalServer>
#include <QObject>
#include <functional>
#include <string>

#include "app/instance_request.h"

class QLocalSocket;

namespace zelvo {

// The running Zelvo's end of the instance channel: a socket only this user can
// reach. Each connection may bring one request line; a request from another user,
// an unknown word or an over-long line is dropped with a word on standard error.
class InstanceServer final : public QObject {
    Q_OBJECT
  public:
    explicit InstanceServer(std::function<void(InstanceRequest)> onRequest);

    // Listens at `socketPath`, replacing a socket that a program ended without
    // removing. The caller holds the instance lock, so nobody else listens there.
    bool Listen(const std::string& socketPath);

  private:
    void Accept();
    void Read(QLocalSocket* socket);

    QLocalServer server_;
    std::function<void(InstanceRequest)> onRequest_;
};

// Whether the process at the other end of the connected socket `fd` runs as this
// user.
bool PeerIsThisUser(int fd);

}  // namespace zelvo
