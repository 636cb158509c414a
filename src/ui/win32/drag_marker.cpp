#include "ui/win32/drag_marker.h"

#include "ui/win32/dpi.h"
#include "ui/win32/twips_place.h"

namespace zelvo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"ZelvoDragMarker";
// The colour drawn where the marker is see-through: everything but its outline.
constexpr COLORREF kSeeThrough = RGB(255, 0, 255);
constexpr int kLineWidth = 2;  // pixels at 96 dpi

// Once for the process; a class registered already stays as it is.
void RegisterMarkerClass(HINSTANCE instance, WNDPROC procedure) {
    static const ATOM registered = [&] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return ::RegisterClassExW(&windowClass);
    }();
    static_cast<void>(registered);
}

void PaintOutline(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(window, &paint);
    RECT area;
    ::GetClientRect(window, &area);
    HBRUSH seeThrough = ::CreateSolidBrush(kSeeThrough);
    ::FillRect(dc, &area, seeThrough);
    ::DeleteObject(seeThrough);
    const int width = ::MulDiv(kLineWidth, static_cast<int>(WindowDpi(window)), 96);
    auto* line = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    for (int i = 0; i < width; ++i) {
        ::FrameRect(dc, &area, line);
        ::InflateRect(&area, -1, -1);
    }
    ::EndPaint(window, &paint);
}

}  // namespace

DragMarker::DragMarker(HINSTANCE instance, HWND owner) {
    RegisterMarkerClass(instance, &Procedure);
    window_ = ::CreateWindowExW(
        WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW,
        kClassName, L"", WS_POPUP, 0, 0, 0, 0, owner, nullptr, instance, nullptr);
    if (window_ != nullptr) {
        ::SetLayeredWindowAttributes(window_, kSeeThrough, 0, LWA_COLORKEY);
    }
}

DragMarker::~DragMarker() {
    if (window_ != nullptr && ::IsWindow(window_) != FALSE) {
        ::DestroyWindow(window_);
    }
}

LRESULT CALLBACK DragMarker::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            PaintOutline(window);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

void DragMarker::Render(bool visible, const RECT& screen) {
    if (window_ == nullptr) {
        return;
    }
    if (!visible) {
        ::ShowWindow(window_, SW_HIDE);
        return;
    }
    RECT shown;
    ::GetWindowRect(window_, &shown);
    if (::IsWindowVisible(window_) != FALSE && ::EqualRect(&shown, &screen) != FALSE) {
        return;
    }
    ::SetWindowPos(window_, HWND_TOPMOST, screen.left, screen.top, screen.right - screen.left,
                   screen.bottom - screen.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::InvalidateRect(window_, nullptr, FALSE);
}

RECT MarkerPlace(const Shape& shape, POINT clientOrigin, UINT dpi) {
    RECT place = PixelRect(TwipsOf(shape), dpi);
    ::OffsetRect(&place, clientOrigin.x, clientOrigin.y);
    return place;
}

}  // namespace zelvo::win32
