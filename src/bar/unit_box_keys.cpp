#include <string>

#include "bar/form1.h"

namespace zelvo {
namespace {

constexpr int kCtrlA = 1;
constexpr int kCtrlC = 3;
constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kCtrlV = 22;
constexpr int kPoint = '.';

bool StartsNewInput(int keyAscii) {
    return keyAscii == kBackspace || keyAscii == kCtrlV || keyAscii == kPoint ||
           (keyAscii >= '0' && keyAscii <= '9');
}

// Operators, parentheses and unit letters, accepted in the expression box only.
bool IsExpressionCharacter(int keyAscii) {
    switch (keyAscii) {
        case '(':
        case ')':
        case '*':
        case '+':
        case '-':
        case '/':
        case 'E':
        case 'I':
        case 'M':
        case 'P':
        case 'Q':
        case 'T':
        case 'e':
        case 'i':
        case 'm':
        case 'p':
        case 'q':
        case 't':
            return true;
        default:
            return false;
    }
}

}  // namespace

void form1::SelectAllText(int index) {
    TextBox& box = text1.at(index);
    box.SelStart = 0;
    box.SelLength = CharacterCount(box.Text);
}

void form1::ClearOtherBoxes(int index) {
    conversion.ClearResults();
    for (int i = 1; i < kUnitBoxCount; ++i) {
        if (i != index) {
            text1.at(i).SetText({});
        }
    }
}

void form1::text1_GotFocus(int index) {
    ActiveControl = index;
    SelectAllText(index);
}

void form1::text1_KeyPress(int index, int& keyAscii) {
    if (keyAscii == kCtrlA) {
        SelectAllText(index);
    } else if (keyAscii == kCtrlC) {
        // copying is left to the box
    } else if (StartsNewInput(keyAscii) ||
               (index == kExpressionBox && IsExpressionCharacter(keyAscii))) {
        ClearOtherBoxes(index);
    } else if (keyAscii == kEnter) {
        conversion.EnteredText = text1.at(index).Text;
        ConvertUnits(index);
    } else {
        platform_.toolkit.Beep();
        keyAscii = 0;
    }
}

void form1::Text4_KeyPress(int& keyAscii) {
    platform_.toolkit.MessageBox(std::to_string(keyAscii), MessageIcon::None);
}

}  // namespace zelvo
