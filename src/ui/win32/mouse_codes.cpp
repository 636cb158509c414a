#include "ui/win32/mouse_codes.h"

namespace zelvo::win32 {

int ButtonOf(UINT message) {
    switch (message) {
        case kWmLButtonDown:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            return 1;
        case kWmRButtonDown:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            return 2;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            return 4;
        default:
            return 0;
    }
}

int ButtonsHeld(WPARAM keys) {
    return ((keys & MK_LBUTTON) != 0 ? 1 : 0) | ((keys & MK_RBUTTON) != 0 ? 2 : 0) |
           ((keys & MK_MBUTTON) != 0 ? 4 : 0);
}

int ShiftState(WPARAM keys, bool altHeld) {
    return ((keys & MK_SHIFT) != 0 ? 1 : 0) | ((keys & MK_CONTROL) != 0 ? 2 : 0) |
           (altHeld ? 4 : 0);
}

WPARAM ShiftKeysHeld() {
    return (::GetKeyState(VK_SHIFT) < 0 ? MK_SHIFT : 0) |
           (::GetKeyState(VK_CONTROL) < 0 ? MK_CONTROL : 0);
}

// The coordinates are signed 16-bit halves: left of or above the window they are
// negative (a captured mouse).
POINT MessagePoint(LPARAM lParam) {
    const auto bits = static_cast<DWORD>(lParam);
    return {static_cast<SHORT>(LOWORD(bits)), static_cast<SHORT>(HIWORD(bits))};
}

}  // namespace zelvo::win32
