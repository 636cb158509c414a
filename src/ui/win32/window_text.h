#pragma once

#include <string>
#include <string_view>

#include "platform/win32/windows_api.h"

namespace zelvo::win32 {

// The text of a window or control; empty for none.
std::wstring WindowText(HWND window);

// Gives `window` the model's text (UTF-8) when it shows another, so that an unchanged
// text repaints nothing; true when it did.
bool ShowText(HWND window, std::string_view text);

// A hidden static text child of `parent` holding `name`: Windows' accessibility names
// a control without a caption of its own from the static text just before it.
HWND AddHiddenLabel(HWND parent, HINSTANCE instance, std::string_view name);

}  // namespace zelvo::win32
