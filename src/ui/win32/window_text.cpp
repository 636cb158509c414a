#include "ui/win32/window_text.h"

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace zelvo::win32 {

std::wstring WindowText(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

bool ShowText(HWND window, std::string_view text) {
    const std::wstring wide = Widen(text);
    if (window == nullptr || WindowText(window) == wide) {
        return false;
    }
    ::SetWindowTextW(window, wide.c_str());
    return true;
}

HWND AddHiddenLabel(HWND parent, HINSTANCE instance, std::string_view name) {
    return ::CreateWindowExW(0, WC_STATICW, Widen(name).c_str(), WS_CHILD | SS_LEFT, 0, 0, 0, 0,
                             parent, nullptr, instance, nullptr);
}

}  // namespace zelvo::win32
