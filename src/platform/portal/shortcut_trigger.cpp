#include "platform/portal/shortcut_trigger.h"

#include <array>
#include <cctype>
#include <utility>

#include "platform/x11/vk_keysyms.h"

namespace zelvo {
namespace {

// The keys that are neither letters, digits nor function keys: the keysym, its
// name, and the key's name in Qt's portable key text.
struct NamedKey {
    std::uint32_t keysym;
    const char* name;
    const char* qtName;
};
constexpr std::array<NamedKey, 22> kNamedKeys = {{
    {0xff08, "BackSpace", "Backspace"},
    {0xff09, "Tab", "Tab"},
    {0xff0d, "Return", "Return"},
    {0xff13, "Pause", "Pause"},
    {0xff1b, "Escape", "Esc"},
    {0xff50, "Home", "Home"},
    {0xff51, "Left", "Left"},
    {0xff52, "Up", "Up"},
    {0xff53, "Right", "Right"},
    {0xff54, "Down", "Down"},
    {0xff55, "Prior", "PgUp"},
    {0xff56, "Next", "PgDown"},
    {0xff57, "End", "End"},
    {0xff61, "Print", "Print"},
    {0xff63, "Insert", "Ins"},
    {0xffff, "Delete", "Del"},
    {0x0020, "space", "Space"},
    {0x002c, "comma", ","},
    {0x002e, "period", "."},
    {0x002f, "slash", "/"},
    {0x003b, "semicolon", ";"},
    {0x002d, "minus", "-"},
}};

// The key's name as a trigger writes it, or (`qt`) as Qt's portable text does.
std::string KeyName(std::uint32_t keysym, bool qt) {
    std::string name;
    if (keysym >= 'A' && keysym <= 'Z') {
        name += static_cast<char>(qt ? keysym : std::tolower(static_cast<int>(keysym)));
        return name;
    }
    if ((keysym >= 'a' && keysym <= 'z') || (keysym >= '0' && keysym <= '9')) {
        name += static_cast<char>(keysym);
        return name;
    }
    constexpr std::uint32_t kF1 = 0xffbe;
    constexpr std::uint32_t kF24 = 0xffd5;
    if (keysym >= kF1 && keysym <= kF24) {
        return "F" + std::to_string(keysym - kF1 + 1);
    }
    for (const NamedKey& named : kNamedKeys) {
        if (named.keysym == keysym) {
            return qt ? named.qtName : named.name;
        }
    }
    return {};
}

std::string Combination(int modifiers, int virtualKey, bool qt) {
    const std::string key = KeyName(x11::KeysymForVirtualKey(virtualKey), qt);
    if (key.empty()) {
        return {};
    }
    std::string text;
    if ((modifiers & 2) != 0) {
        text += qt ? "Ctrl+" : "CTRL+";
    }
    if ((modifiers & 1) != 0) {
        text += qt ? "Alt+" : "ALT+";
    }
    if ((modifiers & 4) != 0) {
        text += qt ? "Shift+" : "SHIFT+";
    }
    return text + key;
}

}  // namespace

std::string ShortcutTrigger(int modifiers, int virtualKey) {
    return Combination(modifiers, virtualKey, false);
}

std::string QtKeyText(int modifiers, int virtualKey) {
    return Combination(modifiers, virtualKey, true);
}

}  // namespace zelvo
