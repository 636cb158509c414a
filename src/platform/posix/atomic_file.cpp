#include "platform/posix/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <string>

namespace zelvo {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t done = ::write(fd, bytes.data(), bytes.size());
        if (done < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

// The process's file-creation mask, read without changing it: setting it even for a
// moment would touch every file another thread creates meanwhile.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8) & 0777);
        }
    }
    return 022;
}

// The mode of the file being replaced, or the usual mode of a new file.
mode_t ModeFor(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        return existing.st_mode & 0777;
    }
    return 0666 & ~CurrentUmask();
}

// The file a write replaces: the final target of a chain of symbolic links (a file
// kept in a dotfiles repository stays linked), otherwise the path itself.
std::filesystem::path ReplacedFile(const std::filesystem::path& path) {
    std::filesystem::path current = path;
    for (int links = 0; links < 40; ++links) {
        std::error_code error;
        if (!std::filesystem::is_symlink(current, error)) {
            return current;
        }
        const std::filesystem::path target = std::filesystem::read_symlink(current, error);
        if (error) {
            return current;
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current;
}

// The new name reaches the disk only with its folder's entry. The file is in place
// already, so a folder that cannot be synced does not make the write a failure.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target = ReplacedFile(path);
    std::string temporary =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    const bool written =
        WriteAll(fd, bytes) && ::fchmod(fd, ModeFor(target.string())) == 0 && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(target.parent_path());
    return true;
}

}  // namespace zelvo
