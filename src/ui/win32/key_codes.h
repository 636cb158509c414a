#pragma once

#include <optional>

#include "platform/win32/windows_api.h"

namespace zelvo::win32 {

// The character a typed WM_CHAR hands to the key handlers, which take Ctrl+A to Ctrl+Z
// as 1 to 26, Backspace as 8, Enter as 13 and Escape as 27: Ctrl+Backspace, which
// types DEL, arrives as 8, and Ctrl+Enter, which types a line feed, as 13. Tab gives
// none: it moved the focus when its key went down. `typingKey` is the virtual key
// that typed the character, 0 when none did (a character a program sent).
std::optional<wchar_t> KeyCodeFor(wchar_t character, UINT typingKey);

// The virtual key whose press typed a WM_CHAR, from the scan code in its lParam; 0 for
// a character no key typed.
UINT TypingKey(LPARAM lParam);

}  // namespace zelvo::win32
