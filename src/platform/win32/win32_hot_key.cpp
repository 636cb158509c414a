#include "platform/win32/win32_hot_key.h"

#include "control/hotkey1.h"
#include "platform/win32/wide_text.h"

namespace zelvo {
namespace {

constexpr ATOM kFirstStringAtom = 0xC000;
constexpr int kLastVirtualKey = 0xFE;

UINT RegistrationModifiers(int modifiers) {
    return ((modifiers & hotkey1::MOD_ALT) != 0 ? win32::kModAlt : 0) |
           ((modifiers & hotkey1::MOD_CONTROL) != 0 ? win32::kModControl : 0) |
           ((modifiers & hotkey1::MOD_SHIFT) != 0 ? win32::kModShift : 0);
}

}  // namespace

// A name of the form "#123" gives the integer atom 123, which names no string and
// is not counted: it is refused.
std::uint16_t Win32GlobalHotKey::GlobalAddAtom(std::string_view name) {
    const ATOM atom = ::GlobalAddAtomW(win32::Widen(name).c_str());
    return atom >= kFirstStringAtom ? atom : 0;
}

void Win32GlobalHotKey::GlobalDeleteAtom(std::uint16_t atom) {
    ::GlobalDeleteAtom(atom);
}

bool Win32GlobalHotKey::RegisterHotKey(std::int32_t id, int modifiers, int virtualKey) {
    if (virtualKey < 1 || virtualKey > kLastVirtualKey) {
        return false;
    }
    return ::RegisterHotKey(window_, id, RegistrationModifiers(modifiers),
                            static_cast<UINT>(virtualKey)) != 0;
}

void Win32GlobalHotKey::UnregisterHotKey(std::int32_t id) {
    ::UnregisterHotKey(window_, id);
}

}  // namespace zelvo
