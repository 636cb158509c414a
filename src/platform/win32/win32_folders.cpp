#include "platform/win32/win32_folders.h"

#include <algorithm>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace zelvo {
namespace {

// Closes a file or search handle when it goes.
struct HandleCloser {
    HandleCloser(HANDLE handle, bool search) : handle(handle), search(search) {}
    ~HandleCloser() {
        if (handle != INVALID_HANDLE_VALUE) {
            if (search) {
                ::FindClose(handle);
            } else {
                ::CloseHandle(handle);
            }
        }
    }
    HandleCloser(const HandleCloser&) = delete;
    HandleCloser& operator=(const HandleCloser&) = delete;

    HANDLE handle;
    bool search;
};

std::wstring Trimmed(std::wstring path) {
    while (path.size() > 3 && path.back() == L'\\') {
        path.pop_back();
    }
    return path;
}

}  // namespace

std::vector<std::string> ListSubFolders(const std::string& path) {
    std::vector<std::string> names;
    const std::wstring pattern = Trimmed(win32::WindowsPath(path)) + L"\\*";
    WIN32_FIND_DATAW found{};
    const HandleCloser search{::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                                 FindExSearchNameMatch, nullptr, 0),
                              true};
    if (search.handle == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::wstring_view name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && name != L"." &&
            name != L"..") {
            names.push_back(win32::Narrow(name));
        }
    } while (::FindNextFileW(search.handle, &found));
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<FolderId> IdentifyFolder(const std::string& path) {
    const std::wstring folder = Trimmed(win32::WindowsPath(path));
    const HandleCloser file{
        ::CreateFileW(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr),
        false};
    if (file.handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (!::GetFileInformationByHandle(file.handle, &information) ||
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return std::nullopt;
    }
    return FolderId{
        information.dwVolumeSerialNumber,
        (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}

std::vector<std::string> Win32Folders::SubFolders(const std::string& path) const {
    return ListSubFolders(path);
}

bool Win32Folders::FileExists(const std::string& path) const {
    const DWORD attributes = ::GetFileAttributesW(win32::WindowsPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<FolderId> Win32Folders::Identify(const std::string& path) const {
    return IdentifyFolder(path);
}

bool Win32Folders::MakeFolders(const std::string& path) {
    const std::wstring folder = Trimmed(win32::WindowsPath(path));
    // SHCreateDirectoryExW makes the folders above too; the user's own folders give
    // their children the user's rights.
    ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace zelvo
