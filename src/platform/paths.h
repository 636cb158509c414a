#pragma once

#include <string>
#include <vector>

namespace zelvo {

// Where Zelvo's files live. A portable program keeps its settings and skins in its
// own folder; an installed one keeps them where the desktop keeps a user's files.
class Paths {
  public:
    virtual ~Paths() = default;
    // The settings file, read at start and written at exit.
    virtual std::string SettingsFile() const = 0;
    // The folders holding skin folders, in the order they are searched: a skin name
    // found in an earlier one wins.
    virtual std::vector<std::string> SkinFolders() const = 0;
    // The folder of help.chm and of the HTML help (help/index.html).
    virtual std::string HelpFolder() const = 0;
    // The desktop entry that starts Zelvo at login.
    virtual std::string AutostartEntry() const = 0;
    // The program file itself.
    virtual std::string Executable() const = 0;
};

}  // namespace zelvo
