#include "platform/x11/vk_keysyms.h"

#include <X11/keysym.h>

#include <initializer_list>

namespace zelvo::x11 {
namespace {

// `count` consecutive virtual-key codes and their consecutive main keysyms; `other`
// starts their other keysyms, if any: the lower-case letters, the shifted symbols,
// the keypad's keys with Num Lock off, Shift+Tab's ISO_Left_Tab, Ctrl+Pause's Break
// and Alt+Print's Sys_Req.
struct Key {
    int virtualKey = 0;
    std::uint32_t keysym = 0;
    std::uint32_t other = 0;
    int count = 1;
};

// A keysym's code is that of its first entry, so VK_OEM_102's underscore, last,
// gives VK_OEM_MINUS.
constexpr Key kKeys[] = {
    {0x08, XK_BackSpace},
    {0x09, XK_Tab, XK_ISO_Left_Tab},
    {0x0C, XK_Clear, XK_KP_Begin},
    {0x0D, XK_Return, XK_KP_Enter},
    {0x13, XK_Pause, XK_Break},
    {0x14, XK_Caps_Lock},
    {0x1B, XK_Escape},
    {0x20, XK_space},
    {0x21, XK_Prior, XK_KP_Prior},
    {0x22, XK_Next, XK_KP_Next},
    {0x23, XK_End, XK_KP_End},
    {0x24, XK_Home, XK_KP_Home},
    {0x25, XK_Left, XK_KP_Left, 4},  // Left, Up, Right, Down
    {0x2C, XK_Print, XK_Sys_Req},
    {0x2D, XK_Insert, XK_KP_Insert},
    {0x2E, XK_Delete, XK_KP_Delete},
    {0x30, XK_0, XK_parenright},
    {0x31, XK_1, XK_exclam},
    {0x32, XK_2, XK_at},
    {0x33, XK_3, XK_numbersign},
    {0x34, XK_4, XK_dollar},
    {0x35, XK_5, XK_percent},
    {0x36, XK_6, XK_asciicircum},
    {0x37, XK_7, XK_ampersand},
    {0x38, XK_8, XK_asterisk},
    {0x39, XK_9, XK_parenleft},
    {0x41, XK_A, XK_a, 26},
    {0x5D, XK_Menu},
    {0x60, XK_KP_0, 0, 10},
    {0x6A, XK_KP_Multiply},
    {0x6B, XK_KP_Add},
    {0x6C, XK_KP_Separator},
    {0x6D, XK_KP_Subtract},
    {0x6E, XK_KP_Decimal},
    {0x6F, XK_KP_Divide},
    {0x70, XK_F1, 0, 24},
    {0x90, XK_Num_Lock},
    {0x91, XK_Scroll_Lock},
    {0xBA, XK_semicolon, XK_colon},
    {0xBB, XK_equal, XK_plus},
    {0xBC, XK_comma, XK_less},
    {0xBD, XK_minus, XK_underscore},
    {0xBE, XK_period, XK_greater},
    {0xBF, XK_slash, XK_question},
    {0xC0, XK_grave, XK_asciitilde},
    {0xDB, XK_bracketleft, XK_braceleft},
    {0xDC, XK_backslash, XK_bar},
    {0xDD, XK_bracketright, XK_braceright},
    {0xDE, XK_apostrophe, XK_quotedbl},
    {0xE2, XK_underscore},
};

// The place of `value` in the `count` values from `first`, or -1; always -1 when
// `first` is 0, no keysym.
int Offset(std::uint32_t value, std::uint32_t first, int count) {
    if (first == 0 || value < first || value - first >= static_cast<std::uint32_t>(count)) {
        return -1;
    }
    return static_cast<int>(value - first);
}

}  // namespace

std::uint32_t KeysymForVirtualKey(int virtualKey) {
    for (const Key& key : kKeys) {
        const int offset = virtualKey - key.virtualKey;
        if (offset >= 0 && offset < key.count) {
            return key.keysym + static_cast<std::uint32_t>(offset);
        }
    }
    return 0;
}

int VirtualKeyForKeysym(std::uint32_t keysym) {
    for (const Key& key : kKeys) {
        for (const std::uint32_t first : {key.keysym, key.other}) {
            if (const int offset = Offset(keysym, first, key.count); offset >= 0) {
                return key.virtualKey + offset;
            }
        }
    }
    return 0;
}

}  // namespace zelvo::x11
