#include "platform/win32/win32_paths.h"

#include <algorithm>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_autostart.h"
#include "platform/win32/win32_handle.h"
#include "platform/win32/win32_temporary_file.h"
#include "platform/win32/windows_api.h"

namespace zelvo {
namespace {

constexpr DWORD kLongestPath = 32768;

std::string WithSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

// The folder of a file: "C:/" for a file at a drive's root.
std::string FolderOf(const std::string& file) {
    const std::size_t separator = file.find_last_of('/');
    if (separator == std::string::npos) {
        return ".";
    }
    std::string folder = file.substr(0, separator);
    if (folder.empty() || folder.back() == ':') {
        folder += '/';
    }
    return folder;
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesW(win32::WindowsPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

std::optional<std::string> ProcessEnvironment(const char* name) {
    const std::wstring wideName = win32::Widen(name);
    std::wstring value(MAX_PATH, L'\0');
    for (;;) {
        ::SetLastError(ERROR_SUCCESS);
        const DWORD length = ::GetEnvironmentVariableW(wideName.c_str(), value.data(),
                                                       static_cast<DWORD>(value.size()));
        if (length == 0) {
            if (::GetLastError() == ERROR_ENVVAR_NOT_FOUND) {
                return std::nullopt;
            }
            return std::string();
        }
        if (length < value.size()) {
            value.resize(length);
            return win32::Narrow(value);
        }
        value.resize(length);
    }
}

std::string RunningExecutable() {
    std::wstring path(MAX_PATH, L'\0');
    while (path.size() <= kLongestPath) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return win32::ModelPath(path);
        }
        path.resize(path.size() * 2);
    }
    return {};
}

bool CanCreateFilesIn(const std::string& folder) {
    std::wstring probe;
    const win32::UniqueHandle file(NewTemporaryFile(
        win32::WindowsPath(folder),
        FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, probe));
    return file.valid();
}

Win32Paths::Win32Paths(std::string executable, Environment environment)
    : executable_(WithSlashes(std::move(executable))),
      programFolder_(FolderOf(executable_)),
      environment_(std::move(environment)),
      portable_(IsPortableFolder(programFolder_, Exists)) {}

std::string Win32Paths::SettingsFile() const {
    return SettingsFileFor(portable_, portable_ && CanCreateFilesIn(programFolder_), programFolder_,
                           WindowsUserSettingsFolder(environment_));
}

std::vector<std::string> Win32Paths::SkinFolders() const {
    std::vector<std::string> folders;
    if (!portable_) {
        folders.push_back(JoinPath(WindowsUserSettingsFolder(environment_), "skin"));
    }
    folders.push_back(JoinPath(programFolder_, "skin"));
    return folders;
}

std::string Win32Paths::AutostartEntry() const {
    return "HKCU/" + win32::ModelPath(kRunKey) + "/" + win32::Narrow(kRunValueName);
}

}  // namespace zelvo
