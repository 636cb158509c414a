#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zelvo {

// What makes a folder the same folder under every name and link: its device and
// inode.
struct FolderId {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    auto operator<=>(const FolderId&) const = default;
};

// Folder access. Paths use "/" and carry no trailing separator.
class Folders {
  public:
    virtual ~Folders() = default;
    // Names of the direct sub-folders of `path`, in a stable order; empty when the
    // folder has none or does not exist.
    virtual std::vector<std::string> SubFolders(const std::string& path) const = 0;
    virtual bool FileExists(const std::string& path) const = 0;
    // The identity of the folder `path` names, through links; none when it is no
    // folder.
    virtual std::optional<FolderId> Identify(const std::string& path) const = 0;
    // Makes the folder `path` and the folders above it that are missing, for the
    // user alone; false when it is not there afterwards.
    virtual bool MakeFolders(const std::string& path) = 0;
};

}  // namespace zelvo
