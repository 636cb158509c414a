#pragma once

#include "platform/win32/windows_api.h"

namespace zelvo {

// The modifiers of the key-capture control (msctls_hotkey32: HOTKEYF_SHIFT 1,
// HOTKEYF_CONTROL 2, HOTKEYF_ALT 4, HOTKEYF_EXT 8) and those of a registration
// (MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4) name Shift and Alt the other way round;
// these convert between the two as the hot-key record does. The extended-key bit has
// no registration counterpart and is dropped.
int ModifiersFromHotKeyFlags(BYTE flags);
BYTE HotKeyFlagsFromModifiers(int modifiers);

}  // namespace zelvo
