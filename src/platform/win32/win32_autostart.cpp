#include "platform/win32/win32_autostart.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace zelvo {

bool Win32Autostart::IsEnabled() const {
    return ::RegGetValueW(win32::kHkeyCurrentUser, kRunKey, kRunValueName, RRF_RT_ANY, nullptr,
                          nullptr, nullptr) == ERROR_SUCCESS;
}

bool Win32Autostart::Enable() {
    const std::wstring command = L"\"" + win32::WindowsPath(paths_.Executable()) + L"\"";
    const auto bytes = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
    return ::RegSetKeyValueW(win32::kHkeyCurrentUser, kRunKey, kRunValueName, win32::kRegSz,
                             command.c_str(), bytes) == ERROR_SUCCESS;
}

bool Win32Autostart::Disable() {
    ::RegDeleteKeyValueW(win32::kHkeyCurrentUser, kRunKey, kRunValueName);
    return !IsEnabled();
}

}  // namespace zelvo
