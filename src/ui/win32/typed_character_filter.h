#pragma once

#include <functional>

#include "platform/win32/windows_api.h"

namespace zelvo::win32 {

// Gets a typed character's code (a Unicode code point: Backspace 8, Enter 13, Ctrl+V
// 22...) and sets it to 0 to discard the character, or to another code to type that.
using CharacterHandler = std::function<void(int& keyAscii)>;

// Puts `handler` in front of the edit control `edit`: every character typed into it,
// input-method text too, one character at a time, reaches the handler before the
// edit, and a discarded one never reaches the edit. Once for each edit; the filter ends
// with it. False when the edit cannot be subclassed.
bool FilterTypedCharacters(HWND edit, CharacterHandler handler);

}  // namespace zelvo::win32
