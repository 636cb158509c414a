#pragma once

#include <cstdint>
#include <functional>

#include "platform/win32/windows_api.h"
#include "session/instance_request.h"

namespace zelvo::win32 {

// The control window: never shown, it receives what comes from outside the bar and
// the settings dialog — the hot key, the tray icon's mouse events, the tray coming
// back after Explorer restarts, requests of later starts and the end of the session —
// and hands each to the program.
class ControlWindow {
  public:
    // The message the tray icon sends its mouse events with.
    static constexpr UINT kTrayMessage = WM_APP + 1;

    struct Events {
        std::function<void(std::int32_t id, std::int32_t lParam)> hotKey;
        // An event of the tray icon: the lParam of its callback message.
        std::function<void(LPARAM event)> tray;
        std::function<void()> trayRestarted;
        std::function<void(const InstanceRequest&)> request;
        std::function<void()> sessionEnding;
    };

    ControlWindow(HINSTANCE instance, Events events);
    ~ControlWindow();
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    HWND hwnd() const { return window_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    Events events_;
    UINT taskbarCreated_;
    HWND window_ = nullptr;
};

}  // namespace zelvo::win32
