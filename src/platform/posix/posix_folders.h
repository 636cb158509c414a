#pragma once

#include <string>
#include <vector>

#include "platform/folders.h"

namespace zelvo {

// Names of the direct sub-folders of `path` (links to folders included), sorted by
// name; empty when there are none or the folder cannot be read.
std::vector<std::string> ListSubFolders(const std::string& path);
// The device and inode of the folder `path` names, following links.
std::optional<FolderId> IdentifyFolder(const std::string& path);
// Makes `path` and the missing folders above it with mode 0700.
bool MakeUserFolders(const std::string& path);

class PosixFolders final : public Folders {
  public:
    std::vector<std::string> SubFolders(const std::string& path) const override;
    bool FileExists(const std::string& path) const override;
    std::optional<FolderId> Identify(const std::string& path) const override;
    bool MakeFolders(const std::string& path) override;
};

}  // namespace zelvo
