#include "ui/win32/bar_window.h"

#include "bar/accessible_names.h"

#include <stdexcept>
#include <utility>

#include "platform/safe_call.h"
#include "platform/toolkit.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/wide_text.h"
#include "ui/win32/dpi.h"
#include "ui/win32/edit_text_sync.h"
#include "ui/win32/mouse_codes.h"
#include "ui/win32/picture_paint.h"
#include "ui/win32/tab_order.h"
#include "ui/win32/twips_place.h"
#include "ui/win32/window_text.h"

namespace zelvo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"ZelvoBar";
constexpr double kUnitBoxPointSize = 11.25;
constexpr int kTextMargin = 2;  // pixels at 96 dpi, left and right of a box's text
constexpr int kFirstBoxId = 100;

// Once for the process; a class registered already stays as it is.
void RegisterBarClass(HINSTANCE instance, WNDPROC procedure) {
    static const ATOM registered = [&] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(ZELVO_IDI_PROGRAM));
        windowClass.hIconSm = static_cast<HICON>(::LoadImageW(
            instance, MAKEINTRESOURCEW(ZELVO_IDI_PROGRAM), IMAGE_ICON,
            ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
        windowClass.lpszClassName = kClassName;
        return ::RegisterClassExW(&windowClass);
    }();
    static_cast<void>(registered);
}

// Sets a flag for as long as it lives.
class FlagSet {
  public:
    explicit FlagSet(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagSet() { flag_ = false; }
    FlagSet(const FlagSet&) = delete;
    FlagSet& operator=(const FlagSet&) = delete;

  private:
    bool& flag_;
};

bool HasVisibleStyle(HWND window) {
    return (::GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

RECT PlaceInParent(HWND child) {
    RECT place;
    ::GetWindowRect(child, &place);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

void Move(HWND window, const RECT& place) {
    ::SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

HCURSOR PointerShape(BarPart part) {
    switch (part) {
        case BarPart::Title:
            return ::LoadCursorW(nullptr, IDC_SIZEALL);
        case BarPart::Separator:
        case BarPart::RightEnd:
            return ::LoadCursorW(nullptr, IDC_SIZEWE);
        case BarPart::Background:
            break;
    }
    return ::LoadCursorW(nullptr, IDC_ARROW);
}

bool AltHeld() {
    return ::GetKeyState(VK_MENU) < 0;
}

}  // namespace

BarWindow::BarWindow(HINSTANCE instance, form1& bar, std::function<void()> changed)
    : bar_(bar), changed_(std::move(changed)) {
    RegisterBarClass(instance, &Procedure);
    window_ = ::CreateWindowExW(WS_EX_APPWINDOW, kClassName, Widen(kApplicationTitle).c_str(),
                                WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0,
                                0, nullptr, nullptr, instance, this);
    if (window_ == nullptr) {
        throw std::runtime_error("the bar window could not be made");
    }
    try {
        for (int i = 0; i < kUnitBoxCount; ++i) {
            // Each box is named by its unit for screen readers (the unit captions are
            // pictures).
            AddHiddenLabel(window_, instance,
                           kUnitBoxAccessibleNames.at(static_cast<std::size_t>(i)));
            boxes_.at(static_cast<std::size_t>(i)) =
                std::make_unique<UnitBox>(window_, kFirstBoxId + i, BoxEvents(i));
        }
        toolTips_ = std::make_unique<ToolTips>(window_);
        marker_ = std::make_unique<DragMarker>(instance, window_);
        ApplyFont(WindowDpi(window_));
    } catch (...) {
        ::DestroyWindow(window_);
        throw;
    }
    silent_ = false;
}

BarWindow::~BarWindow() {
    silent_ = true;
    ::DestroyWindow(window_);
}

UnitBox::Events BarWindow::BoxEvents(int index) {
    return {
        .keyPress =
            [this, index](int& keyAscii) {
                if (!silent_) {
                    SafeCall([&] { bar_.text1_KeyPress(index, keyAscii); });
                }
            },
        .keyHandled =
            [this] {
                if (!silent_ && changed_) {
                    changed_();
                }
            },
        .focusGained = [this, index] { Call([&] { bar_.text1_GotFocus(index); }); },
        .selectionMoved = [this, index] { CopyBoxToModel(index); },
        .tabbed = [this, index](bool forward) { FocusNextBox(index, forward); },
        .menuKey =
            [this, index] {
                RECT place{};
                ::GetWindowRect(box(index), &place);
                if (menuAt_) {
                    menuAt_(POINT{place.left, place.bottom});
                }
                Call([&] { bar_.text1_MenuKey(index); });
            },
    };
}

// Runs a model handler and then tells the wiring; nothing while the window is silent.
template <typename Handler>
void BarWindow::Call(Handler&& handler) {
    if (silent_) {
        return;
    }
    SafeCall(std::forward<Handler>(handler));
    if (changed_) {
        changed_();
    }
}

LRESULT CALLBACK BarWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = static_cast<BarWindow*>(created->lpCreateParams);
        self->window_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<BarWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    std::optional<LRESULT> result;
    if (self != nullptr) {
        SafeCall([&] { result = self->Handle(message, wParam, lParam); });
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    return result ? *result : ::DefWindowProcW(window, message, wParam, lParam);
}

std::optional<LRESULT> BarWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(window_, &paint);
            Paint(dc);
            ::EndPaint(window_, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers every pixel
        case WM_SETCURSOR:
            if (SetPointerShape(wParam, lParam)) {
                return TRUE;
            }
            return std::nullopt;
        case kWmLButtonDown:
        case kWmRButtonDown:
        case WM_MBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            PressOn(ButtonOf(message), wParam, MessagePoint(lParam));
            return 0;
        case WM_LBUTTONDBLCLK:
            DoubleClick(MessagePoint(lParam));
            return 0;
        case WM_MOUSEMOVE:
            MoveOn(wParam, MessagePoint(lParam));
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            Release(ButtonOf(message), wParam, MessagePoint(lParam));
            return 0;
        // Another window took the mouse (a message box, the task switcher): the drag
        // ends where the pointer is, as a release there would end it.
        case WM_CAPTURECHANGED:
            if (pressed_ && reinterpret_cast<HWND>(lParam) != window_) {
                POINT pointer;
                ::GetCursorPos(&pointer);
                ::ScreenToClient(window_, &pointer);
                Release(pressed_->button, ShiftKeysHeld(), pointer);
            }
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == EN_CHANGE) {
                const int index = static_cast<int>(LOWORD(wParam)) - kFirstBoxId;
                if (index >= 0 && index < kUnitBoxCount) {
                    CopyBoxToModel(index);
                }
                return 0;
            }
            return std::nullopt;
        case WM_SETFOCUS:
            FocusActiveBox();
            return 0;
        case WM_CLOSE:
            Call([&] { bar_.pulldown1_end_Click(); });
            return 0;
        case WM_WINDOWPOSCHANGED:
            AdoptMove(*reinterpret_cast<const WINDOWPOS*>(lParam));
            return std::nullopt;  // DefWindowProc sends WM_MOVE and WM_SIZE
        // Moved to a monitor of another density: the boxes' font follows it, and the
        // model's twips are placed anew in the pixels of that density.
        case WM_DPICHANGED:
            ApplyFont(HIWORD(wParam));
            Render();
            return 0;
        default:
            return std::nullopt;
    }
}

void BarWindow::ApplyFont(UINT dpi) {
    UniqueFont font = MakeFont(DialogFontFace(), kUnitBoxPointSize, dpi, true);
    const int margin = ::MulDiv(kTextMargin, static_cast<int>(dpi), 96);
    for (const auto& box : boxes_) {
        ::SendMessageW(box->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
        ::SendMessageW(box->hwnd(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                       MAKELPARAM(margin, margin));
    }
    font_ = std::move(font);
}

void BarWindow::Render() {
    if (silent_) {
        return;
    }
    const FlagSet silence(silent_);
    const UINT dpi = WindowDpi(window_);
    // A minimised bar the model shows comes back first, so that it is placed where
    // the model says; a bar is placed before it is shown.
    if (bar_.Visible && ::IsIconic(window_) != FALSE) {
        ::ShowWindow(window_, SW_SHOWNOACTIVATE);
    }
    PlaceWindow(dpi);
    RenderBoxes(dpi);
    RenderPictures(dpi);
    if ((::IsWindowVisible(window_) != FALSE) != bar_.Visible) {
        ::ShowWindow(window_, bar_.Visible ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
    POINT origin{0, 0};
    ::ClientToScreen(window_, &origin);
    marker_->Render(bar_.Visible && bar_.BBox.Visible, MarkerPlace(bar_.BBox, origin, dpi));
    if (::GetFocus() == window_) {
        FocusActiveBox();
    }
    AnnounceResults();
}

void BarWindow::PlaceWindow(UINT dpi) {
    if (::IsIconic(window_) != FALSE) {
        return;
    }
    const RECT place = PixelRect(TwipsOf(bar_), dpi);
    RECT shown;
    ::GetWindowRect(window_, &shown);
    if (::EqualRect(&shown, &place) == FALSE) {
        Move(window_, place);
    }
}

void BarWindow::RenderBoxes(UINT dpi) {
    for (int i = 0; i < kUnitBoxCount; ++i) {
        const TextBox& model = bar_.text1.at(static_cast<std::size_t>(i));
        HWND edit = box(i);
        const RECT place = PixelRect(TwipsOf(model), dpi);
        const RECT shown = PlaceInParent(edit);
        if (::EqualRect(&shown, &place) == FALSE) {
            Move(edit, place);
        }
        toolTips_->Set(edit, model.ToolTipText);
        if ((::IsWindowEnabled(edit) != FALSE) != model.Enabled) {
            ::EnableWindow(edit, model.Enabled ? TRUE : FALSE);
        }
        if (HasVisibleStyle(edit) != model.Visible) {
            ::ShowWindow(edit, model.Visible ? SW_SHOWNA : SW_HIDE);
        }
        CopyModelToEdit(model, edit);
    }
}

void BarWindow::RenderPictures(UINT dpi) {
    const auto pictures = BarPictures(bar_, dpi);
    if (pictures != painted_) {
        painted_ = pictures;
        ::InvalidateRect(window_, nullptr, FALSE);
    }
}

void BarWindow::Paint(HDC dc) const {
    RECT area;
    ::GetClientRect(window_, &area);
    const BackBuffer buffer(dc, area.right, area.bottom);
    ::FillRect(buffer.dc(), &area, ::GetSysColorBrush(COLOR_BTNFACE));
    for (const BarPicture& picture : painted_) {
        if (picture.visible) {
            PaintPicture(buffer.dc(), picture.picture, picture.place);
        }
    }
}

// The focus goes to the box that had it last, or to the first one.
void BarWindow::FocusActiveBox() {
    const int active = bar_.ActiveControl;
    HWND edit = box(active >= 0 && active < kUnitBoxCount ? active : 0);
    if (::IsWindowVisible(edit) != FALSE && ::IsWindowEnabled(edit) != FALSE) {
        ::SetFocus(edit);
    }
}

void BarWindow::AnnounceResults() {
    const HWND focus = ::GetFocus();
    int focused = -1;
    for (int i = 0; i < kUnitBoxCount; ++i) {
        if (box(i) == focus) {
            focused = i;
        }
    }
    const std::string results = announcer_.Next(bar_, focused);
    if (!results.empty()) {
        notes_.Describe(box(focused), results);
    }
}

void BarWindow::FocusNextBox(int from, bool forward) {
    std::array<bool, kUnitBoxCount> takesFocus{};
    for (int i = 0; i < kUnitBoxCount; ++i) {
        takesFocus.at(static_cast<std::size_t>(i)) =
            ::IsWindowVisible(box(i)) != FALSE && ::IsWindowEnabled(box(i)) != FALSE;
    }
    ::SetFocus(box(NextTabStop(from, forward, takesFocus)));
}

void BarWindow::CopyBoxToModel(int index) {
    if (!silent_) {
        CopyEditToModel(box(index), bar_.text1.at(static_cast<std::size_t>(index)));
    }
}

bool BarWindow::SetPointerShape(WPARAM window, LPARAM hitTest) {
    if (reinterpret_cast<HWND>(window) != window_ || LOWORD(hitTest) != HTCLIENT) {
        return false;
    }
    POINT pointer;
    ::GetCursorPos(&pointer);
    ::ScreenToClient(window_, &pointer);
    const auto picture = PictureAt(bar_, pointer, WindowDpi(window_));
    ::SetCursor(PointerShape(picture ? picture->part : BarPart::Background));
    return true;
}

// The window takes the mouse until the release, so that the pressed picture gets
// every move and the release even while it is hidden or the pointer is elsewhere;
// its pointer shape holds for the whole drag. A right press on the title opens the
// menu instead.
void BarWindow::PressOn(int button, WPARAM keys, POINT client) {
    if (pressed_) {
        return;
    }
    const UINT dpi = WindowDpi(window_);
    const auto picture = PictureAt(bar_, client, dpi);
    if (!picture || picture->part == BarPart::Background) {
        return;
    }
    const TwipsPoint at = TwipsOver(picture->place, client, dpi);
    const int shift = ShiftState(keys, AltHeld());
    if (picture->part != BarPart::Title || button != kRightButton) {
        pressed_ = Press{picture->part, picture->index, button};
        ::SetCapture(window_);
        ::SetCursor(PointerShape(picture->part));
    }
    Call([&] {
        switch (picture->part) {
            case BarPart::Title:
                bar_.topimg_MouseDown(button, shift, at.x, at.y);
                break;
            case BarPart::Separator:
                bar_.BorderImg_MouseDown(picture->index, button, shift, at.x, at.y);
                break;
            case BarPart::RightEnd:
                bar_.BottomImg_MouseDown(button, shift, at.x, at.y);
                break;
            case BarPart::Background:
                break;
        }
    });
}

void BarWindow::MoveOn(WPARAM keys, POINT client) {
    if (!pressed_) {
        return;
    }
    const Press press = *pressed_;
    const TwipsPoint at = TwipsOverPressed(press, client);
    const int buttons = ButtonsHeld(keys);
    const int shift = ShiftState(keys, AltHeld());
    ::SetCursor(PointerShape(press.part));
    Call([&] {
        switch (press.part) {
            case BarPart::Title:
                bar_.topimg_MouseMove(buttons, shift, at.x, at.y);
                break;
            case BarPart::Separator:
                bar_.BorderImg_MouseMove(press.index, buttons, shift, at.x, at.y);
                break;
            case BarPart::RightEnd:
                bar_.BottomImg_MouseMove(buttons, shift, at.x, at.y);
                break;
            case BarPart::Background:
                break;
        }
    });
}

TwipsPoint BarWindow::TwipsOverPressed(const Press& press, POINT client) const {
    const UINT dpi = WindowDpi(window_);
    return TwipsOver(PixelRect(TwipsOf(ImageOf(bar_, press.part, press.index)), dpi), client, dpi);
}

void BarWindow::Release(int button, WPARAM keys, POINT client) {
    if (!pressed_) {
        return;
    }
    const Press press = *pressed_;
    pressed_.reset();
    if (::GetCapture() == window_) {
        ::ReleaseCapture();
    }
    const TwipsPoint at = TwipsOverPressed(press, client);
    const int shift = ShiftState(keys, AltHeld());
    Call([&] {
        if (press.part == BarPart::Separator) {
            bar_.BorderImg_MouseUp(press.index, button, shift, at.x, at.y);
        } else if (press.part == BarPart::RightEnd) {
            bar_.BottomImg_MouseUp(button, shift, at.x, at.y);
        }
    });
}

// A double-click on the title switches the topmost mode; its second press on a
// separator or the right end starts no drag.
void BarWindow::DoubleClick(POINT client) {
    const auto picture = PictureAt(bar_, client, WindowDpi(window_));
    if (!pressed_ && picture && picture->part == BarPart::Title) {
        Call([&] { bar_.topimg_DblClick(); });
    }
}

// A move the user made through the system (the window menu's Move, a display that
// went away) becomes the bar's position, so that it is kept and written at exit.
void BarWindow::AdoptMove(const WINDOWPOS& place) {
    const bool moved = (place.flags & SWP_NOMOVE) == 0;
    if (silent_ || !moved || ::IsWindowVisible(window_) == FALSE || ::IsIconic(window_) != FALSE) {
        return;
    }
    const UINT dpi = WindowDpi(window_);
    if (TwipsToPixels(bar_.Left, dpi) != place.x) {
        bar_.Left = PixelsToTwips(place.x, dpi);
    }
    if (TwipsToPixels(bar_.Top, dpi) != place.y) {
        bar_.Top = PixelsToTwips(place.y, dpi);
    }
}

}  // namespace zelvo::win32
