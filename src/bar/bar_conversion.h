#pragma once

namespace zelvo {

class form1;
class Form2;

// Rounds the raw results of the bar's conversion into its unit boxes text1(1..6)
// with the number of decimals chosen in the settings dialog.
void FormatResults(form1& bar, const Form2& dialog);

}  // namespace zelvo
