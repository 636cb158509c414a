#include "control/hotkey1.h"

#include <cmath>

namespace zelvo::hotkey1 {
namespace {

constexpr char32_t kUserDefinedBase = 0xE000;
constexpr char32_t kHalfWidthKatakanaBase = 0xFF61;
constexpr int kFirstKatakanaByte = 0xA1;
constexpr int kLastKatakanaByte = 0xDF;

bool IsWholeCharacter(int code) {
    return (code < 0x80 && code != '\n' && code != '\r') ||
           (code >= kFirstKatakanaByte && code <= kLastKatakanaByte);
}

std::string Utf8(char32_t c) {
    std::string text;
    if (c < 0x80) {
        text.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        text.push_back(static_cast<char>(0xC0 | (c >> 6)));
        text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        text.push_back(static_cast<char>(0xE0 | (c >> 12)));
        text.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return text;
}

// The one code point of a text of exactly one character up to U+FFFF; none otherwise.
char32_t SingleCodePoint(std::string_view text) {
    constexpr char32_t kNone = 0xFFFFFFFF;
    if (text.empty()) {
        return kNone;
    }
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto continuation = [&](std::size_t i) { return (byte(i) & 0xC0) == 0x80; };
    if (text.size() == 1 && byte(0) < 0x80) {
        return byte(0);
    }
    if (text.size() == 2 && (byte(0) & 0xE0) == 0xC0 && continuation(1)) {
        return ((byte(0) & 0x1FU) << 6) | (byte(1) & 0x3FU);
    }
    if (text.size() == 3 && (byte(0) & 0xF0) == 0xE0 && continuation(1) && continuation(2)) {
        return ((byte(0) & 0x0FU) << 12) | ((byte(1) & 0x3FU) << 6) | (byte(2) & 0x3FU);
    }
    return kNone;
}

}  // namespace

std::int32_t MakeWord(std::int32_t low, std::int32_t high) {
    const std::int64_t shifted = static_cast<std::int64_t>(high) * 256;
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>((shifted & ~0xFFLL) | (low & 0xFF)));
}

std::int32_t MakeLong(std::int32_t low, std::int32_t high) {
    const std::int64_t shifted = static_cast<std::int64_t>(high) * 65536;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(low) |
                                     static_cast<std::uint32_t>(shifted & 0xFFFF0000LL));
}

std::string KeyCharacter(int keyCode) {
    const int code = keyCode & 0xFF;
    if (IsWholeCharacter(code)) {
        return code < 0x80 ? std::string(1, static_cast<char>(code))
                           : Utf8(kHalfWidthKatakanaBase + (code - kFirstKatakanaByte));
    }
    return Utf8(kUserDefinedBase + static_cast<char32_t>(code));
}

int KeyCode(std::string_view sChar) {
    const char32_t c = SingleCodePoint(sChar);
    if (c < 0x80) {
        return static_cast<int>(c);
    }
    if (c >= kHalfWidthKatakanaBase &&
        c <= kHalfWidthKatakanaBase + (kLastKatakanaByte - kFirstKatakanaByte)) {
        return kFirstKatakanaByte + static_cast<int>(c - kHalfWidthKatakanaBase);
    }
    if (c >= kUserDefinedBase && c <= kUserDefinedBase + 0xFF &&
        !IsWholeCharacter(static_cast<int>(c - kUserDefinedBase))) {
        return static_cast<int>(c - kUserDefinedBase);
    }
    return 0;
}

std::uint16_t HotKeyToControlValue(const HotKeyRecord& record) {
    const int modifiers = (record.bShift ? HOTKEYF_SHIFT : 0) |
                          (record.bCtrl ? HOTKEYF_CONTROL : 0) | (record.bAlt ? HOTKEYF_ALT : 0);
    return static_cast<std::uint16_t>(MakeWord(KeyCode(record.sChar), modifiers));
}

std::uint16_t ControlValueToHotKey(std::uint16_t value, HotKeyRecord& record) {
    const int modifiers = (value & ~0xFF) / 256;
    record.sChar = KeyCharacter(value & 0xFF);
    record.bShift = (modifiers & HOTKEYF_SHIFT) != 0;
    record.bCtrl = (modifiers & HOTKEYF_CONTROL) != 0;
    record.bAlt = (modifiers & HOTKEYF_ALT) != 0;
    return value;
}

int RegistrationModifiers(const HotKeyRecord& record) {
    return (record.bShift ? MOD_SHIFT : 0) + (record.bCtrl ? MOD_CONTROL : 0) +
           (record.bAlt ? MOD_ALT : 0);
}

}  // namespace zelvo::hotkey1

namespace zelvo::hotkey1 {
namespace {

// The combination bit of a set of modifiers, in the layout of the control's rules.
int CombinationOf(int modifiers) {
    constexpr int kCombinations[] = {HKCOMB_NONE, HKCOMB_S, 0x04, 0x10, 0x08, 0x20, 0x40, 0x80};
    return kCombinations[modifiers & (HOTKEYF_SHIFT | HOTKEYF_CONTROL | HOTKEYF_ALT)];
}

}  // namespace

int CreateHotKeyControl(HotKeyCapture& control, const PictureBox& host, float twipsPerPixelX,
                        float twipsPerPixelY) {
    control.Created = true;
    control.WidthPixels = static_cast<int>(std::nearbyint(host.Width / twipsPerPixelX));
    control.HeightPixels = static_cast<int>(std::nearbyint(host.Height / twipsPerPixelY));
    control.InvalidCombinations = HKCOMB_NONE | HKCOMB_S;
    control.InvalidModifiers = MakeLong(HOTKEYF_ALT, 0);
    control.Value = 0;
    return 1;
}

void SetHotKeyControlValue(HotKeyCapture& control, std::uint16_t value) {
    control.Value = value;
}

std::uint16_t GetHotKeyControlValue(const HotKeyCapture& control) {
    return control.Value;
}

std::uint16_t CapturedValue(const HotKeyCapture& control, int modifiers, int virtualKey) {
    if (virtualKey <= 0 || virtualKey > 0xFF) {
        return 0;
    }
    if ((control.InvalidCombinations & CombinationOf(modifiers)) != 0) {
        modifiers = control.InvalidModifiers;
    }
    return static_cast<std::uint16_t>(MakeWord(virtualKey, modifiers));
}

}  // namespace zelvo::hotkey1
