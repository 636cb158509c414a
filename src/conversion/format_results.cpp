#include "conversion/format_results.h"

#include "bar/form1.h"
#include "control/form2.h"
#include "conversion/decimal_format.h"

namespace zelvo {

void FormatResults(form1& bar, const Form2& dialog) {
    for (int i = 1; i < kUnitBoxCount; ++i) {
        bar.text1.at(i).SetText(FormatDecimals(bar.text2.at(i), dialog.UpDown1.Value));
    }
}

}  // namespace zelvo
