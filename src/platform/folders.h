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
    // The folder of the executable.
    virtual std::string ProgramFolder() const = 0;
    // Names of the direct sub-folders of `path`, in a stable order; empty when the
    // folder has none or does not exist.
    virtual std::vector<std::string> SubFolders(const std::string& path) const = 0;
    virtual bool FileExists(const std::string& path) const = 0;
    // The identity of the folder `path` names, through links; none when it is no
    // folder.
    virtual std::optional<FolderId> Identify(const std::string& path) const = 0;
};

}  // namespace zelvo
