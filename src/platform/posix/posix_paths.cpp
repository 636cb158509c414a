#include "platform/posix/posix_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <system_error>
#include <vector>

namespace zelvo {
namespace {

bool Exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

std::string Joined(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).lexically_normal().string();
}

void AddOnce(std::vector<std::string>& folders, std::string folder) {
    for (const std::string& listed : folders) {
        if (listed == folder) {
            return;
        }
    }
    folders.push_back(std::move(folder));
}

}  // namespace

std::optional<std::string> ProcessEnvironment(const char* name) {
    if (const char* value = std::getenv(name)) {
        return std::string(value);
    }
    if (std::string_view(name) == "HOME") {
        const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
        std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
        passwd entry{};
        passwd* found = nullptr;
        if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
            found != nullptr && found->pw_dir != nullptr) {
            return std::string(found->pw_dir);
        }
    }
    return std::nullopt;
}

std::string RunningExecutable() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return (std::filesystem::current_path(error) / "zelvo").string();
    }
    return executable.string();
}

PosixPaths::PosixPaths(std::string executable, Environment environment)
    : executable_(std::move(executable)),
      programFolder_(std::filesystem::path(executable_).parent_path().string()),
      environment_(std::move(environment)),
      portable_(
          IsPortableFolder(programFolder_, [](const std::string& path) { return Exists(path); })) {}

std::string PosixPaths::BaseFolder(const char* variable, const char* fallback) const {
    const std::optional<std::string> value = environment_(variable);
    if (value && !value->empty() && value->front() == '/') {
        return *value;
    }
    return Joined(environment_("HOME").value_or("/"), fallback);
}

std::string PosixPaths::DataFolder() const {
    return Joined(programFolder_, "../share/zelvo");
}

std::string PosixPaths::SettingsFile() const {
    return SettingsFileFor(portable_, ::access(programFolder_.c_str(), W_OK) == 0, programFolder_,
                           PosixUserSettingsFolder(environment_));
}

std::vector<std::string> PosixPaths::SkinFolders() const {
    std::vector<std::string> folders;
    if (!portable_) {
        AddOnce(folders, Joined(BaseFolder("XDG_DATA_HOME", ".local/share"), "zelvo/skin"));
        std::string dataDirs = environment_("XDG_DATA_DIRS").value_or("");
        if (dataDirs.empty()) {
            dataDirs = "/usr/local/share/:/usr/share/";
        }
        std::istringstream list(dataDirs);
        std::string folder;
        while (std::getline(list, folder, ':')) {
            if (!folder.empty() && folder.front() == '/') {
                AddOnce(folders, Joined(folder, "zelvo/skin"));
            }
        }
        AddOnce(folders, Joined(DataFolder(), "skin"));
    }
    AddOnce(folders, Joined(programFolder_, "skin"));
    return folders;
}

std::string PosixPaths::HelpFolder() const {
    return portable_ ? programFolder_ : DataFolder();
}

std::string PosixPaths::AutostartEntry() const {
    return Joined(BaseFolder("XDG_CONFIG_HOME", ".config"),
                  std::string("autostart/") + kApplicationId + ".desktop");
}

}  // namespace zelvo
