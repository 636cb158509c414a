#pragma once

#include <array>

#include "controls/frame.h"
#include "controls/label.h"
#include "controls/option_button.h"
#include "controls/text_box.h"
#include "controls/up_down.h"
#include "platform/platform.h"

namespace zelvo {

class form1;

// The control window, which is also the settings dialog ("設定").
class Form2 {
  public:
    Form2(Platform& platform, form1& bar);

    // Pixel density ("Pixel部の設定"): 96 ppi, 72 ppi, or the density typed in Text5.
    Frame Frame7;
    std::array<OptionButton, 3> Option1;
    TextBox Text5;
    Label Label9;

    // Decimals shown ("換算結果は" <sample> <arrows> "まで表示する").
    Frame Frame1;
    Label Label5;
    UpDown UpDown1;
    Label Label1;

    // Selects or clears a density option as a click would: selecting one clears the
    // other two and raises Option1_Click; clearing touches only that option.
    void SetOption1(int index, bool value);
    // Index of the first selected density option, or 3 when none is selected.
    int DensityIndex() const;

    void Option1_Click(int index);
    void Text5_KeyPress(int& keyAscii);
    // The arrows have already changed UpDown1's value when these run.
    void UpDown1_UpClick();
    void UpDown1_DownClick();

  private:
    void ShowDecimals();

    Platform& platform_;
    form1& bar_;
};

}  // namespace zelvo
