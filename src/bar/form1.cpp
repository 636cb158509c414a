#include "bar/form1.h"

namespace zelvo {
namespace {

constexpr float kUnitBoxLeft0 = 390;
constexpr float kUnitBoxPitch = 1725;
constexpr float kUnitBoxTop = 140;
constexpr float kUnitBoxWidth = 1335;
constexpr float kUnitBoxHeight = 270;

}  // namespace

form1::form1(Platform& platform, Form2& dialog) : platform_(platform), dialog_(dialog) {
    for (int i = 0; i < kUnitBoxCount; ++i) {
        TextBox& box = text1.at(i);
        box.Left = kUnitBoxLeft0 + kUnitBoxPitch * static_cast<float>(i);
        box.Top = kUnitBoxTop;
        box.Width = kUnitBoxWidth;
        box.Height = kUnitBoxHeight;
        box.ToolTipText = std::string(kUnitBoxToolTips.at(i));
        box.TabIndex = i;
    }
    Text4.Text = "keyasciiチェッカー";
}

}  // namespace zelvo
