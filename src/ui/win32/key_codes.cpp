#include "ui/win32/key_codes.h"

namespace zelvo::win32 {

std::optional<wchar_t> KeyCodeFor(wchar_t character, UINT typingKey) {
    switch (typingKey) {
        case VK_TAB:
            return std::nullopt;
        case VK_BACK:
            return L'\b';
        case VK_RETURN:
            return L'\r';
        default:
            return character;
    }
}

UINT TypingKey(LPARAM lParam) {
    const UINT scanCode = (static_cast<DWORD>(lParam) >> 16) & 0xFFU;
    return scanCode == 0 ? 0 : ::MapVirtualKeyW(scanCode, MAPVK_VSC_TO_VK);
}

}  // namespace zelvo::win32
