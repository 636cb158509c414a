#pragma once

#include <string>

namespace zelvo {

// A hot key (modifiers Alt 1, Ctrl 2, Shift 4; a virtual-key code) written as a
// shortcut trigger of the freedesktop shortcuts convention, "CTRL+ALT+k"; empty for
// a key that has no name there.
std::string ShortcutTrigger(int modifiers, int virtualKey);

// The same hot key in Qt's portable key text, "Ctrl+Alt+K", as a desktop that keeps
// keys as Qt key codes reads it; empty where ShortcutTrigger is.
std::string QtKeyText(int modifiers, int virtualKey);

}  // namespace zelvo
