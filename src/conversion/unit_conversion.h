#pragma once

#include <array>
#include <string>

#include "conversion/unit_table.h"
#include "platform/evaluator.h"
#include "platform/message_boxes.h"

namespace zelvo {

// The conversion engine of the bar: turns the text of one unit box into the raw
// results of all six units, and rounds them for the boxes. It works from the texts,
// the pixel density and the decimals it is handed, and says what goes wrong in
// message boxes; it knows no window.
class UnitConversion {
  public:
    UnitConversion(Evaluator& evaluator, MessageBoxes& messages)
        : evaluator_(evaluator), messages_(messages) {}

    // Work fields, never seen: text2(1) to text2(6) hold the unrounded result of each
    // unit (index 0 is unused); text11 the last expression to millimetres; Text3 the
    // last length in millimetres; EnteredText the text Enter was pressed on.
    std::array<std::string, kUnitBoxCount> text2;
    std::string text11;
    std::string Text3;
    std::string EnteredText;

    // Converts from box `sourceIndex` of the unit boxes whose texts are `boxes`, at
    // the density choice `densityIndex` (the custom density `customDensity`). True
    // when the raw results are all there to be shown; a failure has been reported.
    bool ConvertUnits(int sourceIndex, const std::array<std::string, kUnitBoxCount>& boxes,
                      int densityIndex, const std::string& customDensity);
    // The raw result of unit box `index` (1 to 6) rounded to `decimals`.
    std::string FormattedResult(int index, int decimals) const;
    // Empties the raw results: a new input makes them stale.
    void ClearResults();

  private:
    bool Convert(int sourceIndex, const std::array<std::string, kUnitBoxCount>& boxes,
                 int densityIndex, const std::string& customDensity);
    void ShowEvaluationError(int errorNumber);

    Evaluator& evaluator_;
    MessageBoxes& messages_;
};

}  // namespace zelvo
