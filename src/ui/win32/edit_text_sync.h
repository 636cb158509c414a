#pragma once

#include <string_view>

#include "controls/text_box.h"
#include "platform/win32/windows_api.h"

namespace zelvo::win32 {

// Counting along UTF-16 text: the characters (code points) in its first `units`
// units, and the units its first `characters` characters take. A surrogate pair is
// one character; a lone surrogate counts as one too.
int CharactersBefore(std::wstring_view text, int units);
int UnitsBefore(std::wstring_view text, int characters);

// Carries text and selection between a TextBox model, which counts characters, and
// an EDIT control, which counts UTF-16 units. The edit's text is replaced only when it
// differs, so that an unchanged box keeps its caret and scroll position.
void CopyEditToModel(HWND edit, TextBox& box);
void CopyModelToEdit(const TextBox& box, HWND edit);

}  // namespace zelvo::win32
