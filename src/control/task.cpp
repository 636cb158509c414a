#include "control/task.h"

#include <algorithm>

namespace zelvo::task {

void AddTrayIcon(TrayIcon& tray, NotifyIconData& record, std::uint32_t window, std::uint32_t icon,
                 std::string_view tip) {
    record.cbSize = kRecordSize;
    record.hWnd = window;
    record.uID = kIconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kCallbackMessage;
    record.hIcon = icon;
    record.szTip.fill(' ');
    const std::size_t length = std::min(tip.size(), record.szTip.size() - 1);
    std::copy_n(tip.begin(), length, record.szTip.begin());
    record.szTip.at(length) = '\0';
    tray.Shell_NotifyIcon(NIM_ADD, record);
}

void DeleteTrayIcon(TrayIcon& tray, const NotifyIconData& record) {
    tray.Shell_NotifyIcon(NIM_DELETE, record);
}

}  // namespace zelvo::task
