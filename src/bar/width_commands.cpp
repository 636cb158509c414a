#include <algorithm>

#include "bar/bar_metrics.h"
#include "bar/form1.h"
#include "control/form2.h"
#include "controls/whole_twips.h"

namespace zelvo {
// Sums are whole twips in 32 bits: a 4K screen is 57600 twips wide at 96 ppi.
void LayoutBar(form1& bar, int width) {
    for (TextBox& box : bar.text1) {
        box.Width = static_cast<float>(width);
    }
    int x = WholeTwips(bar.topimg.Width);
    for (int k = 0; k < kSeparatorCount; ++k) {
        TextBox& box = bar.text1.at(static_cast<std::size_t>(k));
        box.Left = static_cast<float>(x);
        x = WholeTwips(static_cast<double>(x) + box.Width);
        Image& separator = bar.BorderImg.at(static_cast<std::size_t>(k));
        separator.Left = static_cast<float>(x);
        x = WholeTwips(static_cast<double>(x) + separator.Width);
    }
    TextBox& last = bar.text1.back();
    last.Left = static_cast<float>(x);
    x = WholeTwips(static_cast<double>(x) + last.Width);
    bar.BottomImg.Left = static_cast<float>(x);
    bar.Width = static_cast<float>(WholeTwips(static_cast<double>(x) + bar.BottomImg.Width));
    bar.Height = bar.Image2.Height + kWindowHeightMargin;
    bar.Image2.Width = bar.Width;
}

void form1::pulldown1_haba_touhaba_Click() {
    int fixed = WholeTwips(static_cast<double>(topimg.Width) + BottomImg.Width);
    for (const Image& separator : BorderImg) {
        fixed = WholeTwips(static_cast<double>(fixed) + separator.Width);
    }
    const float share = (Width - static_cast<float>(fixed)) / static_cast<float>(kUnitBoxCount);
    // Only a bar narrower than its own pictures, never made by the program itself,
    // would ask for less than the narrowest box a drag leaves.
    LayoutBar(*this, std::max(WholeTwips(share), kMinimumBoxWidth));
}

void form1::pulldown1_haba_saidaika_Click() {
    Left = 0;
    Width = platform_.toolkit.ScreenWidth();
    pulldown1_haba_touhaba_Click();
}

void Form2::pulldown2_Bardefault_Click() {
    bar_.Top = platform_.toolkit.ScreenHeight() / 2 - bar_.topimg.Height / 2;
    LayoutBar(bar_, kFactoryBoxWidth);
    bar_.Visible = true;
}

}  // namespace zelvo
