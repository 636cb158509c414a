#include "platform/win32/win32_tray_icon.h"

#include <algorithm>
#include <iterator>

#include "control/task.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/wide_text.h"

namespace zelvo {
namespace {

UINT NotifyFlags(std::uint32_t flags) {
    return ((flags & task::NIF_MESSAGE) != 0 ? win32::kNifMessage : 0) |
           ((flags & task::NIF_ICON) != 0 ? win32::kNifIcon : 0) |
           ((flags & task::NIF_TIP) != 0 ? win32::kNifTip | NIF_SHOWTIP : 0);
}

}  // namespace

HICON LoadTrayIcon(HINSTANCE module) {
    return static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(ZELVO_IDI_PROGRAM), IMAGE_ICON,
                                           ::GetSystemMetrics(SM_CXSMICON),
                                           ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
}

NOTIFYICONDATAW NotifyIconRecord(const NotifyIconData& record, HWND window, UINT callbackMessage,
                                 HICON icon) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = record.uID;
    data.uFlags = NotifyFlags(record.uFlags);
    data.uCallbackMessage = callbackMessage;
    data.hIcon = icon;
    const auto end = std::find(record.szTip.begin(), record.szTip.end(), '\0');
    const std::wstring tip = win32::Widen(std::string_view(
        record.szTip.data(), static_cast<std::size_t>(std::distance(record.szTip.begin(), end))));
    std::copy_n(tip.begin(), std::min(tip.size(), std::size(data.szTip) - 1), data.szTip);
    data.uVersion = NOTIFYICON_VERSION_4;
    return data;
}

Win32TrayIcon::~Win32TrayIcon() {
    if (added_) {
        ::Shell_NotifyIconW(win32::kNimDelete, &*added_);
    }
}

bool Win32TrayIcon::Shell_NotifyIcon(int message, const NotifyIconData& data) {
    if (message == NIM_ADD) {
        added_ = NotifyIconRecord(data, window_, callbackMessage_, icon_);
        return Add();
    }
    if (message == NIM_DELETE) {
        NOTIFYICONDATAW deleted = NotifyIconRecord(data, window_, callbackMessage_, icon_);
        added_.reset();
        return ::Shell_NotifyIconW(win32::kNimDelete, &deleted) != 0;
    }
    return false;
}

bool Win32TrayIcon::Readd() {
    return added_ && Add();
}

bool Win32TrayIcon::Add() {
    if (!::Shell_NotifyIconW(win32::kNimAdd, &*added_)) {
        return false;
    }
    ::Shell_NotifyIconW(win32::kNimSetVersion, &*added_);
    return true;
}

int Win32TrayIcon::EventCode(LPARAM lParam) {
    const UINT event = LOWORD(lParam);
    if (event == NIN_KEYSELECT) {
        return static_cast<int>(win32::kWmLButtonDown);
    }
    return event >= WM_MOUSEFIRST && event <= WM_MOUSELAST ? static_cast<int>(event) : 0;
}

}  // namespace zelvo
