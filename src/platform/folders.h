#pragma once

#include <string>
#include <vector>

namespace zelvo {

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
};

}  // namespace zelvo
