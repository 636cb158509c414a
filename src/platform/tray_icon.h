#pragma once

#include <array>
#include <cstdint>

namespace zelvo {

// The tray icon record, laid out as the notification area takes it.
struct NotifyIconData {
    std::uint32_t cbSize = 0;
    std::uint32_t hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    std::uint32_t hIcon = 0;
    std::array<char, 64> szTip{};  // the tip text, a NUL, then blanks
};

inline constexpr int NIM_ADD = 0;
inline constexpr int NIM_DELETE = 2;

// The notification area (tray). Mouse events on the icon come back to the control
// window as the record's callback message, the event's message number as x.
class TrayIcon {
  public:
    virtual ~TrayIcon() = default;
    // Adds (NIM_ADD) or deletes (NIM_DELETE) the icon; false when it cannot.
    virtual bool Shell_NotifyIcon(int message, const NotifyIconData& data) = 0;
};

}  // namespace zelvo
