#include "platform/posix/posix_folders.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace zelvo {

std::vector<std::string> ListSubFolders(const std::string& path) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(path, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            names.push_back(it->path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<FolderId> IdentifyFolder(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return std::nullopt;
    }
    return FolderId{static_cast<std::uint64_t>(info.st_dev),
                    static_cast<std::uint64_t>(info.st_ino)};
}

bool MakeUserFolders(const std::string& path) {
    std::filesystem::path made;
    for (const auto& part : std::filesystem::path(path)) {
        made /= part;
        ::mkdir(made.c_str(), 0700);
    }
    return IdentifyFolder(path).has_value();
}

std::vector<std::string> PosixFolders::SubFolders(const std::string& path) const {
    return ListSubFolders(path);
}

}  // namespace zelvo

namespace zelvo {

bool PosixFolders::FileExists(const std::string& path) const {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace zelvo

namespace zelvo {

std::optional<FolderId> PosixFolders::Identify(const std::string& path) const {
    return IdentifyFolder(path);
}

bool PosixFolders::MakeFolders(const std::string& path) {
    return MakeUserFolders(path);
}

}  // namespace zelvo
