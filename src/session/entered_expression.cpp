#include "session/entered_expression.h"

#include <string>

#include "bar/form1.h"
#include "control/form2.h"
#include "conversion/unit_table.h"
#include "session/length_terms.h"

namespace zelvo {
namespace {

constexpr int kCtrlV = 22;
constexpr int kEnter = 13;

}  // namespace

// The box is focused, which selects its whole text; Ctrl+V empties the unit boxes and
// the paste replaces the selection; Enter converts. Each key goes through the box's
// own handler, which could refuse it as it refuses a typed one.
void EnterExpression(Form2& dialog, std::string_view written) {
    dialog.pulldown2_bar_out_Click();
    form1& bar = dialog.bar();
    const std::string text = ExpressionBoxText(ReadTerm(written));

    bar.text1_GotFocus(kExpressionBox);
    int key = kCtrlV;
    bar.text1_KeyPress(kExpressionBox, key);
    if (key == kCtrlV) {
        TextBox& box = bar.text1.at(kExpressionBox);
        box.Text = text;
        box.SelStart = CharacterCount(text);
        box.SelLength = 0;
    }
    key = kEnter;
    bar.text1_KeyPress(kExpressionBox, key);
}

}  // namespace zelvo
