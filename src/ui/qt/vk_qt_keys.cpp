#include "ui/qt/vk_qt_keys.h"

#include <initializer_list>
#include <span>

namespace zelvo {
namespace {

// `count` consecutive virtual-key codes and their consecutive Qt keys; `other`, if
// not 0, is another key of the code: the shifted symbol, the keypad's Enter,
// Shift+Tab's Backtab or Alt+Print's SysReq.
struct Key {
    int virtualKey = 0;
    int qtKey = 0;
    int other = 0;
    int count = 1;
};

// Keys whose code differs on the keypad.
constexpr Key kKeypadKeys[] = {
    {0x60, Qt::Key_0, 0, 10}, {0x6A, Qt::Key_Asterisk}, {0x6B, Qt::Key_Plus},
    {0x6C, Qt::Key_Comma},    {0x6D, Qt::Key_Minus},    {0x6E, Qt::Key_Period},
    {0x6F, Qt::Key_Slash},
};

// The main keyboard's keys, and the keypad's others. A symbol key's `qtKey` is its
// unshifted symbol, which names it.
constexpr Key kMainKeys[] = {
    {0x08, Qt::Key_Backspace},
    {0x09, Qt::Key_Tab, Qt::Key_Backtab},
    {0x0C, Qt::Key_Clear},
    {0x0D, Qt::Key_Return, Qt::Key_Enter},
    {0x13, Qt::Key_Pause},
    {0x14, Qt::Key_CapsLock},
    {0x1B, Qt::Key_Escape},
    {0x20, Qt::Key_Space},
    {0x21, Qt::Key_PageUp},
    {0x22, Qt::Key_PageDown},
    {0x23, Qt::Key_End},
    {0x24, Qt::Key_Home},
    {0x25, Qt::Key_Left, 0, 4},  // Left, Up, Right, Down
    {0x2C, Qt::Key_Print, Qt::Key_SysReq},
    {0x2D, Qt::Key_Insert},
    {0x2E, Qt::Key_Delete},
    {0x30, Qt::Key_0, Qt::Key_ParenRight},
    {0x31, Qt::Key_1, Qt::Key_Exclam},
    {0x32, Qt::Key_2, Qt::Key_At},
    {0x33, Qt::Key_3, Qt::Key_NumberSign},
    {0x34, Qt::Key_4, Qt::Key_Dollar},
    {0x35, Qt::Key_5, Qt::Key_Percent},
    {0x36, Qt::Key_6, Qt::Key_AsciiCircum},
    {0x37, Qt::Key_7, Qt::Key_Ampersand},
    {0x38, Qt::Key_8, Qt::Key_Asterisk},
    {0x39, Qt::Key_9, Qt::Key_ParenLeft},
    {0x41, Qt::Key_A, 0, 26},
    {0x5D, Qt::Key_Menu},
    {0x70, Qt::Key_F1, 0, 24},
    {0x90, Qt::Key_NumLock},
    {0x91, Qt::Key_ScrollLock},
    {0xBA, Qt::Key_Semicolon, Qt::Key_Colon},
    {0xBB, Qt::Key_Equal, Qt::Key_Plus},
    {0xBC, Qt::Key_Comma, Qt::Key_Less},
    {0xBD, Qt::Key_Minus, Qt::Key_Underscore},
    {0xBE, Qt::Key_Period, Qt::Key_Greater},
    {0xBF, Qt::Key_Slash, Qt::Key_Question},
    {0xC0, Qt::Key_QuoteLeft, Qt::Key_AsciiTilde},
    {0xDB, Qt::Key_BracketLeft, Qt::Key_BraceLeft},
    {0xDC, Qt::Key_Backslash, Qt::Key_Bar},
    {0xDD, Qt::Key_BracketRight, Qt::Key_BraceRight},
    {0xDE, Qt::Key_Apostrophe, Qt::Key_QuoteDbl},
};

struct KeyName {
    int virtualKey = 0;
    const char* name = nullptr;
};

// The names that are not the key's character. VK_OEM_102, the Japanese keyboard's
// second backslash key (no Qt key gives it), shows the two symbols on it.
constexpr KeyName kNames[] = {
    {0x08, "Backspace"},    {0x09, "Tab"},         {0x0C, "Clear"},  {0x0D, "Enter"},
    {0x13, "Pause"},        {0x14, "Caps Lock"},   {0x1B, "Esc"},    {0x20, "Space"},
    {0x21, "Page Up"},      {0x22, "Page Down"},   {0x23, "End"},    {0x24, "Home"},
    {0x25, "Left"},         {0x26, "Up"},          {0x27, "Right"},  {0x28, "Down"},
    {0x2C, "Print Screen"}, {0x2D, "Insert"},      {0x2E, "Delete"}, {0x5D, "Menu"},
    {0x90, "Num Lock"},     {0x91, "Scroll Lock"}, {0xE2, "\\ _"},
};

constexpr int kF1 = 0x70;
constexpr int kF24 = 0x87;

bool InRun(int value, int first, int count) {
    return first != 0 && value >= first && value - first < count;
}

int VirtualKeyIn(std::span<const Key> keys, int qtKey) {
    for (const Key& key : keys) {
        for (const int first : {key.qtKey, key.other}) {
            if (InRun(qtKey, first, key.count)) {
                return key.virtualKey + qtKey - first;
            }
        }
    }
    return 0;
}

// The main Qt key of a code; 0 for none.
int QtKeyIn(std::span<const Key> keys, int virtualKey) {
    for (const Key& key : keys) {
        if (InRun(virtualKey, key.virtualKey, key.count)) {
            return key.qtKey + virtualKey - key.virtualKey;
        }
    }
    return 0;
}

}  // namespace

int VirtualKeyForQtKey(int qtKey, bool keypad) {
    if (keypad) {
        if (const int code = VirtualKeyIn(kKeypadKeys, qtKey); code != 0) {
            return code;
        }
    }
    return VirtualKeyIn(kMainKeys, qtKey);
}

QString VirtualKeyName(int virtualKey) {
    if (virtualKey == 0) {
        return {};
    }
    if (virtualKey >= kF1 && virtualKey <= kF24) {
        return QStringLiteral("F%1").arg(virtualKey - kF1 + 1);
    }
    for (const KeyName& name : kNames) {
        if (name.virtualKey == virtualKey) {
            return QString::fromLatin1(name.name);
        }
    }
    if (const int key = QtKeyIn(kKeypadKeys, virtualKey); key != 0) {
        return QStringLiteral("Num ") + QChar(key);
    }
    // What remains of the main keyboard are character keys, named by their character.
    if (const int key = QtKeyIn(kMainKeys, virtualKey); key != 0) {
        return QChar(key);
    }
    return QStringLiteral("0x") + QString::number(virtualKey, 16).toUpper().rightJustified(2, u'0');
}

}  // namespace zelvo
