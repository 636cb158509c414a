#pragma once

#include <QKeyEvent>
#include <QString>

namespace zelvo {

// The character code a key press delivers to the key handlers: Ctrl+A to Ctrl+Z
// give 1 to 26, Backspace 8, Enter 13, Escape 27, a printable character its code.
// Keys that type no character (arrows, Delete, Home, Tab...) give -1: the box
// handles them itself.
int KeyCodeFor(int key, Qt::KeyboardModifiers modifiers, const QString& text);

inline int KeyCodeFor(const QKeyEvent& event) {
    return KeyCodeFor(event.key(), event.modifiers(), event.text());
}

}  // namespace zelvo
