#pragma once

#include <array>
#include <string>

#include "controls/text_box.h"
#include "conversion/unit_table.h"
#include "platform/platform.h"

namespace zelvo {

class Form2;

// The converter bar: the seven unit boxes and the conversion work fields.
class form1 {
  public:
    form1(Platform& platform, Form2& dialog);

    std::array<TextBox, kUnitBoxCount> text1;

    // Work fields, never shown. text2(1) to text2(6) hold the unrounded result of
    // each unit (index 0 is unused); text11 the last expression to millimetres;
    // Text3 the last length in millimetres; EnteredText the text Enter was pressed on.
    std::array<std::string, kUnitBoxCount> text2;
    std::string text11;
    std::string Text3;
    std::string EnteredText;
    TextBox Text4;  // diagnostic field: reports the code of each key typed into it

    void text1_GotFocus(int index);
    // A character typed into box `index`; sets keyAscii to 0 to discard it.
    void text1_KeyPress(int index, int& keyAscii);
    void Text4_KeyPress(int& keyAscii);
    void ConvertUnits(int sourceIndex);

  private:
    void SelectAllText(int index);
    void ClearOtherBoxes(int index);
    void ShowEvaluationError(int errorNumber);

    Platform& platform_;
    Form2& dialog_;
};

}  // namespace zelvo
