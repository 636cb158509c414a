#pragma once

#include <QString>

namespace zelvo {

// The virtual-key code (as Windows numbers keys, which the settings file keeps) of
// a key press in Qt terms; keypad keys (the KeypadModifier set) give the NUMPAD
// codes, except Enter, which gives VK_RETURN, and the keys Num Lock turns into
// Home, arrows, Insert..., which give the codes of those keys. The symbol keys
// follow a US keyboard, and a shifted symbol gives the code of its key: ':' gives
// VK_OEM_1 like ';', '!' gives '1'. 0 for keys without a code, and for the
// modifier keys Shift, Control, Alt and Meta alone.
int VirtualKeyForQtKey(int qtKey, bool keypad);

// The name of a virtual-key code as the key-capture control shows it: "K", "5",
// "F5", "Num 7", "Page Up", "Space", ";" ... ; empty for 0. A code without a name
// shows as its hexadecimal number ("0xA6").
QString VirtualKeyName(int virtualKey);

}  // namespace zelvo
