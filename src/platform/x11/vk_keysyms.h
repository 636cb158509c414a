#pragma once

#include <cstdint>

namespace zelvo::x11 {

// Hot keys are stored as Windows virtual-key codes (0 to 255) so that the settings
// file reads the same everywhere; these translate them to and from X keysyms. The
// symbol keys follow a US keyboard.

// The X keysym that a virtual-key code stands for; 0 when it has none. A code with
// several keysyms gives its main one: the upper-case letter, the unshifted symbol,
// the main keyboard's key rather than the keypad's. The one exception is
// VK_OEM_102 (0xE2), the Japanese keyboard's backslash/underscore key: there both
// it and the yen key (VK_OEM_5) type backslash, so it gives underscore, which only
// it has there.
std::uint32_t KeysymForVirtualKey(int virtualKey);

// The virtual-key code of an X keysym; 0 when it has none. Lower- and upper-case
// letters give the same code, and so do the shifted and unshifted symbols of a key
// (':' and ';' give VK_OEM_1, '!' and '1' give '1'). The keypad's digits and
// operators give the NUMPAD codes; its keys with Num Lock off give the codes of the
// keys they stand for (KP_Home gives VK_HOME, KP_Begin VK_CLEAR), and its Enter
// gives VK_RETURN. Backslash gives VK_OEM_5, never VK_OEM_102.
int VirtualKeyForKeysym(std::uint32_t keysym);

}  // namespace zelvo::x11
