#include "ui/qt/hot_key_edit.h"

#include <QKeyEvent>

#include "ui/qt/vk_qt_keys.h"

namespace zelvo {
namespace {

constexpr int kShift = 1;
constexpr int kControl = 2;
constexpr int kAlt = 4;
constexpr int kBackspace = 0x08;
constexpr int kDelete = 0x2E;

int ModifierBits(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? kShift : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? kControl : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? kAlt : 0);
}

QString ModifierText(int modifiers) {
    QString text;
    if ((modifiers & kControl) != 0) {
        text += QStringLiteral("Ctrl + ");
    }
    if ((modifiers & kShift) != 0) {
        text += QStringLiteral("Shift + ");
    }
    if ((modifiers & kAlt) != 0) {
        text += QStringLiteral("Alt + ");
    }
    return text;
}

}  // namespace

HotKeyEdit::HotKeyEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    ShowValue(0);
}

QString HotKeyEdit::TextOf(std::uint16_t value) {
    const int key = value & 0xFF;
    if (key == 0) {
        return QStringLiteral("なし");
    }
    return ModifierText(value >> 8) + VirtualKeyName(key);
}

void HotKeyEdit::ShowValue(std::uint16_t value) {
    value_ = value;
    setText(TextOf(value));
}

void HotKeyEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Escape and Enter alone are the dialog's (Escape closes it); with a modifier
    // they are keys like any other.
    const bool dialogKey = event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
                           event->key() == Qt::Key_Enter;
    if (dialogKey && ModifierBits(event->modifiers()) == 0) {
        event->ignore();
        return;
    }
    event->accept();
    const int modifiers = ModifierBits(event->modifiers());
    const int key =
        VirtualKeyForQtKey(event->key(), event->modifiers().testFlag(Qt::KeypadModifier));
    if (key == 0) {
        setText(ModifierText(modifiers));  // modifiers held, the key still to come
        return;
    }
    if (capture_) {
        const bool clearing = modifiers == 0 && (key == kBackspace || key == kDelete);
        capture_(clearing ? 0 : modifiers, clearing ? 0 : key);
    }
}

void HotKeyEdit::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    if (ModifierBits(event->modifiers()) == 0) {
        setText(TextOf(value_));
    }
}

}  // namespace zelvo
