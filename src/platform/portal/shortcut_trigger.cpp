#include "platform/portal/shortcut_trigger.h"

#include <array>
#include <cctype>
#include <utility>

#include "platform/x11/vk_keysyms.h"

namespace zelvo {
namespace {

// Keysym names of the keys that are neither letters, digits nor function keys.
constexpr std::array<std::pair<std::uint32_t, const char*>, 22> kNamedKeysyms = {{
    {0xff08, "BackSpace"}, {0xff09, "Tab"},   {0xff0d, "Return"}, {0xff13, "Pause"},
    {0xff1b, "Escape"},    {0xff50, "Home"},  {0xff51, "Left"},   {0xff52, "Up"},
    {0xff53, "Right"},     {0xff54, "Down"},  {0xff55, "Prior"},  {0xff56, "Next"},
    {0xff57, "End"},       {0xff61, "Print"}, {0xff63, "Insert"}, {0xffff, "Delete"},
    {0x0020, "space"},     {0x002c, "comma"}, {0x002e, "period"}, {0x002f, "slash"},
    {0x003b, "semicolon"}, {0x002d, "minus"},
}};

std::string KeyName(std::uint32_t keysym) {
    std::string name;
    if (keysym >= 'A' && keysym <= 'Z') {
        name += static_cast<char>(std::tolower(static_cast<int>(keysym)));
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
    for (const auto& [named, name] : kNamedKeysyms) {
        if (named == keysym) {
            return name;
        }
    }
    return {};
}

}  // namespace

std::string ShortcutTrigger(int modifiers, int virtualKey) {
    const std::string key = KeyName(x11::KeysymForVirtualKey(virtualKey));
    if (key.empty()) {
        return {};
    }
    std::string trigger;
    if ((modifiers & 2) != 0) {
        trigger += "CTRL+";
    }
    if ((modifiers & 1) != 0) {
        trigger += "ALT+";
    }
    if ((modifiers & 4) != 0) {
        trigger += "SHIFT+";
    }
    return trigger + key;
}

}  // namespace zelvo
