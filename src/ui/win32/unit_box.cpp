#include "ui/win32/unit_box.h"

#include <optional>
#include <stdexcept>

#include "platform/safe_call.h"
#include "ui/win32/key_codes.h"
#include "ui/win32/typed_character_filter.h"

namespace zelvo::win32 {
namespace {

constexpr int kSelectAll = 1;  // Ctrl+A
constexpr int kEnter = 13;

bool Held(int virtualKey) {
    return ::GetKeyState(virtualKey) < 0;
}

// Messages after which the EDIT may show another caret position or selection without
// another text (a text change is reported by EN_CHANGE).
bool MayMoveSelection(UINT message) {
    switch (message) {
        case EM_SETSEL:
        case WM_KEYDOWN:
        case kWmLButtonDown:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_MOUSEMOVE:
        case WM_TIMER:
            return true;
        default:
            return false;
    }
}

}  // namespace

// The character filter goes in first, so that this box's own procedure sees each
// message before it.
UnitBox::UnitBox(HWND parent, int id, Events events)
    : events_(std::move(events)),
      window_(::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0,
                                parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                                nullptr)) {
    if (window_ == nullptr ||
        !FilterTypedCharacters(window_, [this](int& keyAscii) { KeyPress(keyAscii); }) ||
        ::SetWindowSubclass(window_, &Procedure, 0, reinterpret_cast<DWORD_PTR>(this)) == FALSE) {
        throw std::runtime_error("a unit box could not be made");
    }
    ::SendMessageW(window_, EM_SETLIMITTEXT, 0, 0);  // 0: as long as the EDIT can hold
}

LRESULT CALLBACK UnitBox::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR /*id*/, DWORD_PTR box) {
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(window, &Procedure, 0);
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    std::optional<LRESULT> result;
    SafeCall([&] { result = reinterpret_cast<UnitBox*>(box)->Handle(message, wParam, lParam); });
    return result ? *result : ::DefSubclassProc(window, message, wParam, lParam);
}

LRESULT UnitBox::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CHAR:
        case WM_IME_CHAR: {
            const auto code = KeyCodeFor(static_cast<wchar_t>(wParam), TypingKey(lParam));
            if (!code) {
                return 0;
            }
            const LRESULT result = PassOn(message, *code, lParam);
            events_.keyHandled();
            return result;
        }
        case WM_KEYDOWN:
            if (wParam == VK_TAB && !Held(VK_CONTROL) && !Held(VK_MENU)) {
                events_.tabbed(!Held(VK_SHIFT));
                return 0;
            }
            break;
        case WM_CONTEXTMENU:
            if (lParam == -1) {  // from the keyboard
                events_.menuKey();
                return 0;
            }
            break;
        case WM_SETFOCUS: {
            const LRESULT result = PassOn(message, wParam, lParam);
            events_.focusGained();
            return result;
        }
        case kWmLButtonDown:
            focusClick_ = ::GetFocus() != window_;
            if (focusClick_) {
                ::SetFocus(window_);
                return 0;
            }
            break;
        case WM_MOUSEMOVE:
            if (focusClick_) {
                return 0;
            }
            break;
        case WM_LBUTTONUP:
            if (focusClick_) {
                focusClick_ = false;
                return 0;
            }
            break;
        default:
            break;
    }
    return PassOn(message, wParam, lParam);
}

// Enter is not given to the box, which has no line to break; Ctrl+A selects the whole
// text, which an EDIT of every version does not do itself.
void UnitBox::KeyPress(int& keyAscii) {
    events_.keyPress(keyAscii);
    if (keyAscii == kSelectAll) {
        ::SendMessageW(window_, EM_SETSEL, 0, -1);
        keyAscii = 0;
    } else if (keyAscii == kEnter) {
        keyAscii = 0;
    }
}

LRESULT UnitBox::PassOn(UINT message, WPARAM wParam, LPARAM lParam) {
    const bool tracked = MayMoveSelection(message);
    const auto before = tracked ? Selection() : std::pair<DWORD, DWORD>{};
    const LRESULT result = ::DefSubclassProc(window_, message, wParam, lParam);
    if (tracked && Selection() != before) {
        events_.selectionMoved();
    }
    return result;
}

std::pair<DWORD, DWORD> UnitBox::Selection() const {
    std::pair<DWORD, DWORD> selection{};
    ::DefSubclassProc(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.first),
                      reinterpret_cast<LPARAM>(&selection.second));
    return selection;
}

}  // namespace zelvo::win32
