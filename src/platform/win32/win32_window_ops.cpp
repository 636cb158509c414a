#include "platform/win32/win32_window_ops.h"

#include <vector>

namespace zelvo {
namespace {

constexpr UINT kKeepPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

// The windows `owner` owns: its tool tips and the drag marker.
std::vector<HWND> OwnedWindows(HWND owner) {
    struct Search {
        HWND owner;
        std::vector<HWND> found;
    } search{owner, {}};
    ::EnumThreadWindows(
        ::GetWindowThreadProcessId(owner, nullptr),
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(parameter);
            if (::GetWindow(window, GW_OWNER) == search.owner) {
                search.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void SetOwner(const std::vector<HWND>& windows, HWND owner) {
    for (HWND window : windows) {
        ::SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    }
}

}  // namespace

void Win32WindowOps::AttachBar(HWND bar) {
    bar_ = bar;
    ApplyKeepAbove();
}

void Win32WindowOps::SetBarKeepAbove(bool above) {
    keepAbove_ = above;
    ApplyKeepAbove();
}

// Wine puts a window sent to the topmost band right after the windows it owns, and
// keeps it in the band only when the window after those is in the band too. The bar's
// own windows are let go of while it moves there, and taken back: they stay in the
// band below it, and come above it again as they are shown.
void Win32WindowOps::ApplyKeepAbove() const {
    if (bar_ == nullptr) {
        return;
    }
    const std::vector<HWND> owned = keepAbove_ ? OwnedWindows(bar_) : std::vector<HWND>{};
    SetOwner(owned, nullptr);
    ::SetWindowPos(bar_, keepAbove_ ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kKeepPlace);
    SetOwner(owned, bar_);
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
