#include "app/instance_client.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

namespace zelvo {
namespace {

constexpr int kAnswerMilliseconds = 5000;

// A folder only this user may enter: its own, a real folder, not a link.
bool IsPrivateFolder(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// The answer line, read until its line feed, the end of the stream or the time-out.
std::string ReadAnswer(int fd) {
    std::string answer;
    char buffer[16];
    while (answer.find('\n') == std::string::npos && answer.size() < kMaxRequestBytes) {
        pollfd wait{fd, POLLIN, 0};
        const int ready = ::poll(&wait, 1, kAnswerMilliseconds);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            break;
        }
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        answer.append(buffer, static_cast<std::size_t>(got));
    }
    return answer;
}

}  // namespace

std::optional<std::string> InstanceFolder(std::string& problem) {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime != nullptr && runtime[0] == '/') {
        return std::string(runtime);
    }
    const std::string folder =
        (std::filesystem::temp_directory_path() / ("zelvo-" + std::to_string(::getuid()))).string();
    ::mkdir(folder.c_str(), 0700);
    if (!IsPrivateFolder(folder)) {
        problem = folder + " is not a folder of this user's alone";
        return std::nullopt;
    }
    return folder;
}

std::string InstanceSocketPath(const std::string& place) {
    return place + ".socket";
}

HandOver SendToRunning(const std::string& socketPath, const InstanceRequest& request) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) {
        return HandOver::NoInstance;
    }
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return HandOver::NoInstance;
    }
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return HandOver::NoInstance;
    }
    const bool answered = WriteAll(fd, RequestLine(request)) && ReadAnswer(fd) == kRequestAnswer;
    ::close(fd);
    return answered ? HandOver::Delivered : HandOver::NoAnswer;
}

Claim ClaimInstance(const std::string& place, const InstanceRequest& request, InstanceLock& lock) {
    constexpr auto kStartingAllowance = std::chrono::seconds(5);
    constexpr auto kRetryPause = std::chrono::milliseconds(20);
    const std::string socketPath = InstanceSocketPath(place);
    const auto deadline = std::chrono::steady_clock::now() + kStartingAllowance;
    for (;;) {
        switch (SendToRunning(socketPath, request)) {
            case HandOver::Delivered:
                return Claim::HandedOver;
            case HandOver::NoAnswer:
                return Claim::NoAnswer;
            case HandOver::NoInstance:
                break;
        }
        if (lock.TryAcquire(place)) {
            return Claim::Running;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return Claim::NoAnswer;
        }
        std::this_thread::sleep_for(kRetryPause);
    }
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool InstanceLock::TryAcquire(const std::string& place) {
    if (fd_ >= 0) {
        return true;
    }
    const std::string path = place + ".lock";
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

}  // namespace zelvo
