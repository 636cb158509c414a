#include "platform/win32/win32_atomic_file.h"

#include <algorithm>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_handle.h"
#include "platform/win32/win32_temporary_file.h"
#include "platform/win32/windows_api.h"

namespace zelvo {
namespace {

constexpr DWORD kLargestWrite = 1U << 30;

// The folder `path` lies in: "." for a bare name, "C:\" for a file at a drive's root.
std::wstring FolderOf(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L'\\');
    if (separator == std::wstring::npos) {
        return L".";
    }
    std::wstring folder = path.substr(0, separator);
    if (folder.empty() || folder.back() == L':') {
        folder += L'\\';
    }
    return folder;
}

// Writes all of `bytes` to the disk, and closes the file.
bool WriteAndFlush(win32::UniqueHandle& file, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kLargestWrite));
        DWORD written = 0;
        if (!::WriteFile(file.get(), bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return ::FlushFileBuffers(file.get()) != 0 && file.Close();
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::wstring target = win32::WindowsPath(path);
    std::wstring temporary;
    win32::UniqueHandle file(NewTemporaryFile(FolderOf(target), FILE_ATTRIBUTE_NORMAL, temporary));
    if (!file.valid()) {
        return false;
    }
    if (!WriteAndFlush(file, bytes) ||
        !::MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        file.Close();
        ::DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace zelvo
