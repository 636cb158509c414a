#pragma once

#include <functional>
#include <utility>

#include "platform/win32/windows_api.h"

namespace zelvo::win32 {

// A unit box of the bar: a single-line EDIT whose typed characters, input-method text
// one character at a time, pass a key handler first. The handler gets the character
// code and sets it to 0 to discard the character, which then never reaches the box.
// The click that gives a box the focus leaves the selection the focus made alone, and
// Tab moves the focus on. The box holds any length of text.
class UnitBox {
  public:
    struct Events {
        std::function<void(int& keyAscii)> keyPress;
        // After a character went through the handler, and through the box when kept.
        std::function<void()> keyHandled;
        std::function<void()> focusGained;
        // The user moved the caret or the selection (text changes come as EN_CHANGE).
        std::function<void()> selectionMoved;
        // Tab (forward) or Shift+Tab was pressed in the box.
        std::function<void(bool forward)> tabbed;
        // The menu key or Shift+F10: the bar's menu rather than the box's edit menu (a
        // right click keeps the edit menu).
        std::function<void()> menuKey;
    };

    // A hidden box, child `id` of `parent`.
    UnitBox(HWND parent, int id, Events events);
    UnitBox(const UnitBox&) = delete;
    UnitBox& operator=(const UnitBox&) = delete;

    HWND hwnd() const { return window_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR box);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void KeyPress(int& keyAscii);
    // Hands a message on to the EDIT, and reports a selection it moved.
    LRESULT PassOn(UINT message, WPARAM wParam, LPARAM lParam);
    std::pair<DWORD, DWORD> Selection() const;

    Events events_;
    HWND window_;
    bool focusClick_ = false;  // the press that gave the box the focus is still held
};

}  // namespace zelvo::win32
