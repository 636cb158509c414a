#pragma once

#include <optional>

#include "platform/tray_icon.h"
#include "platform/win32/windows_api.h"

namespace zelvo {

// The program's icon (ZELVO_IDI_PROGRAM of `module`) at the size of the notification
// area's icons; null when the module has none. The caller destroys it (DestroyIcon).
HICON LoadTrayIcon(HINSTANCE module);

// The notification area record for the models' tray icon record: the icon `icon` on
// `window`, its events sent as `callbackMessage`, in the behaviour of
// NOTIFYICON_VERSION_4. The record's UTF-8 tip becomes the tooltip.
NOTIFYICONDATAW NotifyIconRecord(const NotifyIconData& record, HWND window, UINT callbackMessage,
                                 HICON icon);

// The tray icon through Shell_NotifyIconW. The record the models give names the icon by
// its identifier; the window, the icon and the callback message are the ones given
// here. Mouse events then arrive at the window as `callbackMessage` in the form of
// NOTIFYICON_VERSION_4, which EventCode turns into the models' event codes.
class Win32TrayIcon final : public TrayIcon {
  public:
    Win32TrayIcon(HWND controlWindow, UINT callbackMessage, HICON icon)
        : window_(controlWindow), callbackMessage_(callbackMessage), icon_(icon) {}
    // An icon still in the notification area is taken out when this goes.
    ~Win32TrayIcon() override;
    Win32TrayIcon(const Win32TrayIcon&) = delete;
    Win32TrayIcon& operator=(const Win32TrayIcon&) = delete;

    bool Shell_NotifyIcon(int message, const NotifyIconData& data) override;

    // Adds the icon the models asked for again when the notification area was made anew
    // (Explorer restarted, or started after Zelvo, and broadcast the "TaskbarCreated"
    // message). False when no icon was asked for since the last deletion, or the
    // notification area refuses it.
    bool Readd();

    // The event code the models take for a callback message's lParam: the mouse message
    // number (WM_LBUTTONDOWN 513, WM_RBUTTONDOWN 516...) of its low word; a key
    // selection of the icon counts as a left press; 0 for anything else.
    static int EventCode(LPARAM lParam);

  private:
    bool Add();

    HWND window_;
    UINT callbackMessage_;
    HICON icon_;
    std::optional<NOTIFYICONDATAW> added_;
};

}  // namespace zelvo
