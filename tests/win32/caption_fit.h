#pragma once

#include <string>
#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"
#include "ui/win32/dpi.h"

namespace zelvo::win32::test {

// Space a control needs beside its text, in pixels at 96 dpi: a push button's edges, a
// group box's corners, an edit's sunken border, a combo box's border.
constexpr int kButtonEdges = 8;
constexpr int kGroupCorners = 16;
constexpr int kEditBorders = 4;
constexpr int kComboBorders = 6;

inline std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

inline std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The extent of `text` in the control's font; `width` > 0 wraps it at that width.
inline SIZE TextExtent(HWND control, const std::wstring& text, UINT format, int width = 0) {
    HDC dc = ::GetDC(control);
    const HGDIOBJ previous =
        ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT needed{0, 0, width, 0};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
                format | DT_CALCRECT | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    ::SelectObject(dc, previous);
    ::ReleaseDC(control, dc);
    return {needed.right - needed.left, needed.bottom - needed.top};
}

// What `control` needs for its text, and what it has; {0, 0} when it shows no text.
inline SIZE Needed(HWND control) {
    const std::wstring text = TextOf(control);
    const std::wstring kind = ClassOf(control);
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(control, GWL_STYLE));
    const UINT dpi = WindowDpi(control);
    const auto scaled = [dpi](int pixels) { return ::MulDiv(pixels, static_cast<int>(dpi), 96); };
    if (kind == L"ComboBox") {
        const auto selected = ::SendMessageW(control, CB_GETCURSEL, 0, 0);
        if (selected < 0) {
            return {};
        }
        std::wstring item(
            static_cast<std::size_t>(::SendMessageW(control, CB_GETLBTEXTLEN, selected, 0)) + 1,
            L'\0');
        item.resize(static_cast<std::size_t>(::SendMessageW(
            control, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(item.data()))));
        const SIZE extent = TextExtent(control, item, DT_NOPREFIX);
        return {extent.cx + ::GetSystemMetricsForDpi(SM_CXVSCROLL, dpi) + scaled(kComboBorders),
                extent.cy};
    }
    if (text.empty()) {
        return {};
    }
    if (kind == L"Button") {
        const SIZE extent = TextExtent(control, text, 0);
        switch (style & BS_TYPEMASK) {
            case BS_GROUPBOX:
                return {extent.cx + scaled(kGroupCorners), extent.cy};
            case BS_AUTOCHECKBOX:
            case BS_AUTORADIOBUTTON:
                return {extent.cx + ::GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + scaled(4),
                        std::max<LONG>(extent.cy, ::GetSystemMetricsForDpi(SM_CYMENUCHECK, dpi))};
            default:
                return {extent.cx + scaled(kButtonEdges), extent.cy + scaled(4)};
        }
    }
    if (kind == L"Edit") {
        const SIZE extent = TextExtent(control, text, DT_NOPREFIX);
        const auto margins = static_cast<DWORD>(::SendMessageW(control, EM_GETMARGINS, 0, 0));
        return {extent.cx + LOWORD(margins) + HIWORD(margins) + scaled(kEditBorders),
                extent.cy + scaled(kEditBorders)};
    }
    if (kind == L"Static") {
        const DWORD type = style & SS_TYPEMASK;
        if (type == SS_LEFT) {
            RECT client{};
            ::GetClientRect(control, &client);
            return TextExtent(control, text, DT_NOPREFIX, client.right);
        }
        return TextExtent(control, text, DT_NOPREFIX);
    }
    return {};
}

// The controls of `window` whose texts are cut at their place in their font, with what
// they need and what they have.
inline std::vector<std::string> CutTexts(HWND window) {
    std::vector<std::string> cut;
    for (HWND control = ::GetWindow(window, GW_CHILD); control != nullptr;
         control = ::GetWindow(control, GW_HWNDNEXT)) {
        // Hidden labels (names for screen readers) and the arrows' name are not drawn.
        if ((::GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) == 0 ||
            ClassOf(control) == L"msctls_updown32") {
            continue;
        }
        const SIZE needed = Needed(control);
        RECT place{};
        ::GetWindowRect(control, &place);
        const LONG width = place.right - place.left;
        LONG height = place.bottom - place.top;
        if (ClassOf(control) == L"ComboBox") {
            COMBOBOXINFO combo{};
            combo.cbSize = sizeof combo;
            ::GetComboBoxInfo(control, &combo);
            height = combo.rcItem.bottom - combo.rcItem.top;
        }
        if (needed.cx > width || needed.cy > height) {
            cut.push_back(Narrow(TextOf(control)) + " needs " + std::to_string(needed.cx) + "x" +
                          std::to_string(needed.cy) + ", has " + std::to_string(width) + "x" +
                          std::to_string(height));
        }
    }
    return cut;
}

}  // namespace zelvo::win32::test
