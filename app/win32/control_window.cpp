#include "app/win32/control_window.h"

#include "platform/safe_call.h"
#include "platform/win32/instance_channel.h"

namespace zelvo::win32 {

ControlWindow::ControlWindow(HINSTANCE instance, Events events)
    : events_(std::move(events)), taskbarCreated_(::RegisterWindowMessageW(L"TaskbarCreated")) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kControlWindowClass;
    ::RegisterClassExW(&windowClass);
    // A top-level window, not a message-only one: only those hear that the task bar
    // was made anew.
    window_ = ::CreateWindowExW(WS_EX_TOOLWINDOW, kControlWindowClass, L"Zelvo", WS_POPUP, 0, 0, 0,
                                0, nullptr, nullptr, instance, this);
    // Later starts run at the user's level too, and may send it their requests.
    ::ChangeWindowMessageFilterEx(window_, WM_COPYDATA, MSGFLT_ALLOW, nullptr);
}

ControlWindow::~ControlWindow() {
    if (window_ != nullptr) {
        ::DestroyWindow(window_);
    }
}

LRESULT CALLBACK ControlWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ControlWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->window_ != window) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    bool handled = false;
    SafeCall([&] {
        result = self->Handle(message, wParam, lParam);
        handled = true;
    });
    return handled ? result : ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ControlWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kWmHotKey) {
        events_.hotKey(static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam));
        return 0;
    }
    if (message == kTrayMessage) {
        events_.tray(lParam);
        return 0;
    }
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        events_.trayRestarted();
        return 0;
    }
    switch (message) {
        case WM_COPYDATA: {
            const auto request = RequestIn(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
            if (!request) {
                return 0;
            }
            // Answered once carried out: after --quit, the settings are written. An
            // expression entered is answered at once, as its notice waits for the user.
            if (AnsweredOnReceipt(*request)) {
                ::ReplyMessage(kRequestDone);
            }
            events_.request(*request);
            return kRequestDone;
        }
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam != FALSE) {
                events_.sessionEnding();
            }
            return 0;
        default:
            return ::DefWindowProcW(window_, message, wParam, lParam);
    }
}

}  // namespace zelvo::win32
