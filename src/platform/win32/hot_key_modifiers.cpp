#include "platform/win32/hot_key_modifiers.h"

#include "control/hotkey1.h"

namespace zelvo {

int ModifiersFromHotKeyFlags(BYTE flags) {
    hotkey1::HotKeyRecord record;
    hotkey1::ControlValueToHotKey(static_cast<std::uint16_t>(hotkey1::MakeWord(0, flags)), record);
    return hotkey1::RegistrationModifiers(record);
}

BYTE HotKeyFlagsFromModifiers(int modifiers) {
    hotkey1::HotKeyRecord record;
    record.bShift = (modifiers & hotkey1::MOD_SHIFT) != 0;
    record.bCtrl = (modifiers & hotkey1::MOD_CONTROL) != 0;
    record.bAlt = (modifiers & hotkey1::MOD_ALT) != 0;
    return static_cast<BYTE>(hotkey1::HotKeyToControlValue(record) >> 8);
}

}  // namespace zelvo
