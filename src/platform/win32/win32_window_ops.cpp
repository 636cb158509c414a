#include "platform/win32/win32_window_ops.h"

namespace zelvo {

void Win32WindowOps::AttachBar(HWND bar) {
    bar_ = bar;
    ApplyKeepAbove();
}

void Win32WindowOps::SetBarKeepAbove(bool above) {
    keepAbove_ = above;
    ApplyKeepAbove();
}

void Win32WindowOps::ApplyKeepAbove() const {
    if (bar_ != nullptr) {
        ::SetWindowPos(bar_, keepAbove_ ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

PixelPoint Win32WindowOps::BarClientToScreen(PixelPoint client) {
    POINT point{client.x, client.y};
    if (bar_ != nullptr) {
        ::ClientToScreen(bar_, &point);
    }
    return {point.x, point.y};
}

// A message box or menu the bar owns is part of the bar for the user.
bool Win32WindowOps::IsBarForeground() {
    if (bar_ == nullptr) {
        return false;
    }
    for (HWND window = ::GetForegroundWindow(); window != nullptr;
         window = ::GetWindow(window, GW_OWNER)) {
        if (window == bar_) {
            return true;
        }
    }
    return false;
}

// A minimised window would become the foreground window as its icon only.
void Win32WindowOps::BringBarToForeground() {
    if (bar_ == nullptr) {
        return;
    }
    if (::IsIconic(bar_)) {
        ::ShowWindow(bar_, SW_RESTORE);
    }
    ::SetForegroundWindow(bar_);
}

}  // namespace zelvo
