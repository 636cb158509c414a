#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "controls/hot_key_capture.h"
#include "controls/picture_box.h"

namespace zelvo::hotkey1 {

// Modifier bits of the key-capture control's value (its high byte).
inline constexpr int HOTKEYF_SHIFT = 1;
inline constexpr int HOTKEYF_CONTROL = 2;
inline constexpr int HOTKEYF_ALT = 4;  // 8, the extended-key bit, is not kept

// Modifier bits of a registration.
inline constexpr int MOD_ALT = 1;
inline constexpr int MOD_CONTROL = 2;
inline constexpr int MOD_SHIFT = 4;

// Combinations the capture control can refuse (its rules).
inline constexpr int HKCOMB_NONE = 1;
inline constexpr int HKCOMB_S = 2;

inline constexpr std::string_view kAtomName = "HotKeySample";

// The stored hot key: the modifiers and the key, kept as the one character whose
// code is the key's virtual-key code (see KeyCharacter); and the hot key's atom.
struct HotKeyRecord {
    bool bShift = false;
    bool bCtrl = false;
    bool bAlt = false;
    std::string sChar = std::string(1, '\0');
    std::uint16_t HotKeyAtom = 0;
};

std::int32_t MakeWord(std::int32_t low, std::int32_t high);
std::int32_t MakeLong(std::int32_t low, std::int32_t high);

// The character that stands for a virtual-key code (0 to 255) in sChar and in the
// settings file. Codes that are whole characters of code page 932 are those
// characters: ASCII, and the half-width katakana of 0xA1 to 0xDF. The others -
// the line ends 10 and 13, 0x80, 0xA0, and the lead bytes of double-byte
// characters 0x81 to 0x9F and 0xE0 to 0xFF - would not survive a text file as one
// byte; they are kept as the code page's user-defined characters U+E000 + code.
std::string KeyCharacter(int keyCode);
// The virtual-key code sChar stands for: 0 unless it is exactly one character
// that KeyCharacter gives.
int KeyCode(std::string_view sChar);

std::uint16_t HotKeyToControlValue(const HotKeyRecord& record);
// Writes the combination of a capture-control value into the record; returns the value.
std::uint16_t ControlValueToHotKey(std::uint16_t value, HotKeyRecord& record);
// The modifiers a registration of the record takes.
int RegistrationModifiers(const HotKeyRecord& record);

// Makes the capture control inside its host, as large as the host in whole pixels,
// with the rules that a key alone or with Shift alone becomes the key with Alt.
// Returns the control's handle.
int CreateHotKeyControl(HotKeyCapture& control, const PictureBox& host, float twipsPerPixelX,
                        float twipsPerPixelY);
void SetHotKeyControlValue(HotKeyCapture& control, std::uint16_t value);
std::uint16_t GetHotKeyControlValue(const HotKeyCapture& control);
// The value the control keeps when the user presses `modifiers` (HOTKEYF_ bits)
// with the key `virtualKey`, after its rules.
std::uint16_t CapturedValue(const HotKeyCapture& control, int modifiers, int virtualKey);

}  // namespace zelvo::hotkey1
