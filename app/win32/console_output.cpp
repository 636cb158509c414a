#include "app/win32/console_output.h"

#include <string>

#include "platform/toolkit.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace zelvo::win32 {
namespace {

bool Usable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

}  // namespace

bool PrintToConsole(std::string_view text, bool error) {
    const DWORD which = error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE out = ::GetStdHandle(which);
    if (!Usable(out) && ::AttachConsole(ATTACH_PARENT_PROCESS)) {
        out = ::GetStdHandle(which);
    }
    if (!Usable(out)) {
        return false;
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (::GetConsoleMode(out, &mode)) {
        // A console takes UTF-16 whatever its code page.
        std::wstring wide = Widen(text);
        std::size_t at = 0;
        while (at < wide.size()) {
            std::wstring line;
            const std::size_t end = wide.find(L'\n', at);
            line = wide.substr(at, end == std::wstring::npos ? std::wstring::npos : end - at);
            if (end != std::wstring::npos) {
                line += L"\r\n";
            }
            ::WriteConsoleW(out, line.c_str(), static_cast<DWORD>(line.size()), &written, nullptr);
            at = end == std::wstring::npos ? wide.size() : end + 1;
        }
        return true;
    }
    // A pipe or a file gets the UTF-8 bytes as they are.
    return ::WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) !=
           FALSE;
}

void PrintForUser(std::string_view text, bool error) {
    if (PrintToConsole(text, error)) {
        return;
    }
    const std::wstring title = Widen(kApplicationTitle);
    ::MessageBoxW(nullptr, Widen(text).c_str(), title.c_str(),
                  MB_OK | (error ? MB_ICONWARNING : MB_ICONINFORMATION));
}

}  // namespace zelvo::win32
