#include "platform/win32/win32_process_launcher.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace zelvo {

bool Win32ProcessLauncher::StartDetached(const std::string& path) {
    const std::wstring program = win32::WindowsPath(path);
    // The program's own name is its first argument, quoted for the spaces of its folders.
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                          CREATE_DEFAULT_ERROR_MODE, nullptr, nullptr, &startup, &started)) {
        return false;
    }
    ::CloseHandle(started.hThread);
    ::CloseHandle(started.hProcess);
    return true;
}

}  // namespace zelvo
