// The floor of the Windows figures: a bare Win32 program that shows a frameless window titled
// "Zelvo" the size of the factory bar, painted grey, and nothing else; with --hot-key, Ctrl+Alt+K
// hides it when it is shown and shows it in front when it is hidden.
#include <cwchar>

#include "platform/win32/windows_api.h"

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = ::BeginPaint(window, &paint);
            ::FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
            ::EndPaint(window, &paint);
            return 0;
        }
        case zelvo::win32::kWmHotKey:
            if (::IsWindowVisible(window) != FALSE) {
                ::ShowWindow(window, SW_HIDE);
            } else {
                ::ShowWindow(window, SW_SHOW);
                ::SetForegroundWindow(window);
            }
            return 0;
        case WM_CLOSE:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR commandLine, int /*show*/) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"ZelvoBareWindow";
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowExW(0, windowClass.lpszClassName, L"Zelvo", WS_POPUP, 400, 300, 500,
                                    35, nullptr, nullptr, instance, nullptr);
    if (std::wcsstr(commandLine, L"--hot-key") != nullptr) {
        ::RegisterHotKey(
            window, 1,
            zelvo::win32::kModControl | zelvo::win32::kModAlt | zelvo::win32::kModNoRepeat, 'K');
    }
    ::ShowWindow(window, SW_SHOWNORMAL);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&message);
    }
    return 0;
}
