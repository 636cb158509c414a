#include "bar/bar_conversion.h"

#include "bar/form1.h"
#include "control/form2.h"

namespace zelvo {

// The bar's boxes and the dialog's density go to the conversion; its results come
// back rounded into the boxes.
void form1::ConvertUnits(int sourceIndex) {
    std::array<std::string, kUnitBoxCount> boxes;
    for (int i = 0; i < kUnitBoxCount; ++i) {
        boxes.at(i) = text1.at(i).Text;
    }
    if (conversion.ConvertUnits(sourceIndex, boxes, dialog_.DensityIndex(), dialog_.Text5.Text)) {
        FormatResults(*this, dialog_);
    }
}

void FormatResults(form1& bar, const Form2& dialog) {
    for (int i = 1; i < kUnitBoxCount; ++i) {
        bar.text1.at(i).SetText(bar.conversion.FormattedResult(i, dialog.UpDown1.Value));
    }
}

}  // namespace zelvo
