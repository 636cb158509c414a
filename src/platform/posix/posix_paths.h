#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/paths.h"
#include "session/settings_place.h"

namespace zelvo {

// The process's own environment, with HOME taken from the user database when unset.
std::optional<std::string> ProcessEnvironment(const char* name);

inline constexpr const char* kApplicationId = "org.zelvo.Zelvo";

// The paths of a program at `executable`, after the XDG base directory rules: it is
// portable when its folder holds setting.ini or a file named "portable", installed
// otherwise (its data then lies in ../share/zelvo beside its bin folder). A portable
// program in a folder it may not write to keeps its settings in the user's folder.
class PosixPaths final : public Paths {
  public:
    explicit PosixPaths(std::string executable, Environment environment = ProcessEnvironment);

    std::string SettingsFile() const override;
    std::vector<std::string> SkinFolders() const override;
    std::string HelpFolder() const override;
    std::string AutostartEntry() const override;
    std::string Executable() const override { return executable_; }

    bool portable() const { return portable_; }

  private:
    // An XDG base folder: the variable when it holds an absolute path, else HOME
    // joined with `fallback`.
    std::string BaseFolder(const char* variable, const char* fallback) const;
    std::string DataFolder() const;

    std::string executable_;
    std::string programFolder_;
    Environment environment_;
    bool portable_;
};

// The running program's file.
std::string RunningExecutable();

}  // namespace zelvo
