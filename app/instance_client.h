#pragma once

#include <optional>
#include <string>

#include "session/request_line.h"

namespace zelvo {

// The folder of this user's session for the instance socket and lock:
// $XDG_RUNTIME_DIR, or a folder of the user's own in the temporary folder (made
// with mode 0700 and refused when it belongs to someone else or others may enter).
// None, with `problem` said, when no such folder can be had.
std::optional<std::string> InstanceFolder(std::string& problem);

// Where the running Zelvo of a session listens: `place` is the instance folder and
// the session's instance name (SessionInstanceName), joined by "/".
std::string InstanceSocketPath(const std::string& place);

enum class HandOver { Delivered, NoInstance, NoAnswer };

// Gives `request` to the Zelvo listening at `socketPath` and waits for its answer.
HandOver SendToRunning(const std::string& socketPath, const InstanceRequest& request);

class InstanceLock;

enum class Claim { HandedOver, Running, NoAnswer };

// Hands `request` to the Zelvo of this session, or makes this process that Zelvo by
// taking `lock` (HandedOver, Running). While another process holds the lock but does
// not listen yet (it is starting), tries again for a few seconds; NoAnswer when the
// Zelvo there does not answer.
Claim ClaimInstance(const std::string& place, const InstanceRequest& request, InstanceLock& lock);

// The lock that makes one process of the session the running Zelvo. The kernel lets
// go of it when the process ends, however it ends.
class InstanceLock {
  public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // The lock of the session at `place`; false while another process holds it.
    bool TryAcquire(const std::string& place);

  private:
    int fd_ = -1;
};

}  // namespace zelvo
