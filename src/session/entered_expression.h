#pragma once

#include <string_view>

namespace zelvo {

class Form2;

// Shows the bar and converts `written` in its expression box as the user would by
// hand: its unit words read as the box's letters (10pt as 10P), pasted over the box's
// text, Enter pressed. A text the conversion cannot take ends in the bar's notice.
void EnterExpression(Form2& dialog, std::string_view written);

}  // namespace zelvo
