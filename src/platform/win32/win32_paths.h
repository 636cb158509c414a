#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "session/settings_place.h"

namespace zelvo {

// The process's own environment variable, in UTF-8; nullopt when it is not set.
std::optional<std::string> ProcessEnvironment(const char* name);

// The running program's file, with "/" separators.
std::string RunningExecutable();

// Whether a file can be made in `folder`: one with a name of its own is made there
// and removed again.
bool CanCreateFilesIn(const std::string& folder);

// The paths of a program at `executable` ("/" separators) on Windows. It is portable
// when its folder holds setting.ini or a file named "portable", and keeps its settings
// and skins there; a portable program in a folder it may not write to keeps its
// settings in %APPDATA%\Zelvo. An installed program keeps its settings in
// %APPDATA%\Zelvo and finds skins there before those beside it.
class Win32Paths final : public Paths {
  public:
    explicit Win32Paths(std::string executable, Environment environment = ProcessEnvironment);

    std::string SettingsFile() const override;
    std::vector<std::string> SkinFolders() const override;
    std::string HelpFolder() const override { return programFolder_; }
    // Names the value of the user's Run key that starts Zelvo at login.
    std::string AutostartEntry() const override;
    std::string Executable() const override { return executable_; }

    bool portable() const { return portable_; }

  private:
    std::string executable_;
    std::string programFolder_;
    Environment environment_;
    bool portable_;
};

}  // namespace zelvo
