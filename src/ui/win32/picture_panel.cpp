#include "ui/win32/picture_panel.h"

#include "ui/win32/picture_paint.h"

namespace zelvo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"ZelvoPicturePanel";

void RegisterPanelClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExW(instance, kClassName, &existing)) {
        return;
    }
    WNDCLASSEXW panel{};
    panel.cbSize = sizeof panel;
    panel.lpfnWndProc = procedure;
    panel.hInstance = instance;
    panel.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    panel.lpszClassName = kClassName;
    ::RegisterClassExW(&panel);
}

SIZE ClientSize(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

}  // namespace

PicturePanel::PicturePanel(HINSTANCE instance, HWND parent, int id, Background background)
    : background_(background) {
    RegisterPanelClass(instance, &Procedure);
    window_ = ::CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
}

PicturePanel::~PicturePanel() {
    if (window_ != nullptr) {
        ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        ::DestroyWindow(window_);
    }
}

void PicturePanel::Show(std::vector<Layer> layers) {
    if (layers == layers_) {
        return;
    }
    layers_ = std::move(layers);
    if (window_ != nullptr) {
        ::InvalidateRect(window_, nullptr, FALSE);
    }
}

void PicturePanel::Draw(HDC dc, SIZE size) const {
    const RECT client{0, 0, size.cx, size.cy};
    if (background_ == Background::WhiteBox) {
        ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::FrameRect(dc, &client, ::GetSysColorBrush(COLOR_WINDOWFRAME));
    } else {
        ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    }
    for (const Layer& layer : layers_) {
        PaintPicture(dc, layer.picture.get(), layer.place);
    }
}

void PicturePanel::Paint() {
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(window_, &paint);
    if (dc == nullptr) {
        return;
    }
    const SIZE size = ClientSize(window_);
    {
        const BackBuffer buffer(dc, size.cx, size.cy);
        Draw(buffer.dc(), size);
    }
    ::EndPaint(window_, &paint);
}

LRESULT PicturePanel::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers every pixel
        case WM_PAINT:
            Paint();
            return 0;
        case WM_PRINTCLIENT:
            Draw(reinterpret_cast<HDC>(wParam), ClientSize(window_));
            return 0;
        case WM_NCDESTROY: {
            HWND window = window_;
            window_ = nullptr;
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            return ::DefWindowProcW(window, message, wParam, lParam);
        }
        default:
            return ::DefWindowProcW(window_, message, wParam, lParam);
    }
}

LRESULT CALLBACK PicturePanel::Procedure(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept {
    try {
        if (message == WM_NCCREATE) {
            auto* panel = static_cast<PicturePanel*>(
                reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            panel->window_ = window;
            ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(panel));
        }
        auto* panel = reinterpret_cast<PicturePanel*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (panel == nullptr) {
            return ::DefWindowProcW(window, message, wParam, lParam);
        }
        return panel->Handle(message, wParam, lParam);
    } catch (...) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace zelvo::win32
