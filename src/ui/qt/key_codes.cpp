#include "ui/qt/key_codes.h"

namespace zelvo {

int KeyCodeFor(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    switch (key) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        default:
            break;
    }
    const bool control = modifiers.testFlag(Qt::ControlModifier) &&
                         !modifiers.testFlag(Qt::AltModifier) &&
                         !modifiers.testFlag(Qt::MetaModifier);
    if (control) {
        return key >= Qt::Key_A && key <= Qt::Key_Z ? key - Qt::Key_A + 1 : -1;
    }
    if (text.isEmpty()) {
        return -1;
    }
    const char32_t code = text.toUcs4().value(0);
    return code >= 0x20 && code != 0x7F ? static_cast<int>(code) : -1;
}

}  // namespace zelvo
