#pragma once

#include <map>
#include <string>

#include "platform/win32/windows_api.h"

namespace zelvo::win32 {

// The tool tips of a window's child controls: each shows its text while the pointer
// rests on the control. The tip window belongs to the window and ends with it.
class ToolTips {
  public:
    explicit ToolTips(HWND owner);
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;

    HWND hwnd() const { return window_; }
    // Gives `control` the tip `text` (UTF-8); the empty text shows none.
    void Set(HWND control, const std::string& text);

  private:
    HWND owner_;
    HWND window_;
    std::map<HWND, std::wstring> texts_;
};

}  // namespace zelvo::win32
