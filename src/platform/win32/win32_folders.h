#pragma once

#include <string>
#include <vector>

#include "platform/folders.h"

namespace zelvo {

// Names of the direct sub-folders of `path` (junctions and links to folders
// included), sorted by name; empty when there are none or the folder cannot be read.
std::vector<std::string> ListSubFolders(const std::string& path);
// The volume serial number and file index of the folder `path` names, through links.
std::optional<FolderId> IdentifyFolder(const std::string& path);

// Folders on a Windows file system; paths use "/" or "\" alike.
class Win32Folders final : public Folders {
  public:
    std::vector<std::string> SubFolders(const std::string& path) const override;
    bool FileExists(const std::string& path) const override;
    std::optional<FolderId> Identify(const std::string& path) const override;
    bool MakeFolders(const std::string& path) override;
};

}  // namespace zelvo
