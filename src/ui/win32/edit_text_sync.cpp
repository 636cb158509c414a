#include "ui/win32/edit_text_sync.h"

#include <algorithm>
#include <climits>
#include <string>

#include "platform/win32/wide_text.h"
#include "ui/win32/window_text.h"

namespace zelvo::win32 {
namespace {

bool IsHighSurrogate(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The length in units of the character starting at `at`.
std::size_t CharacterUnits(std::wstring_view text, std::size_t at) {
    return IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1]) ? 2
                                                                                             : 1;
}

}  // namespace

int CharactersBefore(std::wstring_view text, int units) {
    const std::size_t end = std::min(static_cast<std::size_t>(std::max(units, 0)), text.size());
    int characters = 0;
    for (std::size_t at = 0; at < end; at += CharacterUnits(text, at)) {
        ++characters;
    }
    return characters;
}

int UnitsBefore(std::wstring_view text, int characters) {
    std::size_t at = 0;
    for (int seen = 0; seen < characters && at < text.size(); ++seen) {
        at += CharacterUnits(text, at);
    }
    return static_cast<int>(at);
}

void CopyEditToModel(HWND edit, TextBox& box) {
    const std::wstring text = WindowText(edit);
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    box.Text = Narrow(text);
    box.SelStart = CharactersBefore(text, static_cast<int>(start));
    box.SelLength = CharactersBefore(text, static_cast<int>(end)) - box.SelStart;
}

void CopyModelToEdit(const TextBox& box, HWND edit) {
    const std::wstring text = Widen(box.Text);
    if (WindowText(edit) != text) {
        ::SetWindowTextW(edit, text.c_str());
    }
    TextBox shown;
    CopyEditToModel(edit, shown);
    if (shown.SelStart == box.SelStart && shown.SelLength == box.SelLength) {
        return;
    }
    const int start = UnitsBefore(text, box.SelStart);
    const long long last = static_cast<long long>(box.SelStart) + std::max(box.SelLength, 0);
    const int end = UnitsBefore(text, static_cast<int>(std::min<long long>(last, INT_MAX)));
    ::SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

}  // namespace zelvo::win32
