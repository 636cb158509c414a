#include "control/form2.h"

namespace zelvo {
namespace {

constexpr int kInitialDecimals = 2;

}  // namespace

Form2::Form2(Platform& platform, form1& bar) : platform_(platform), bar_(bar) {
    Frame7 = {120, 120, 2535, 975, "Pixel部の設定"};
    Option1[0] = {120, 255, 1095, 255, "win(96ppi)"};
    Option1[1] = {1200, 240, 1200, 255, "mac(72ppi)"};
    Option1[2] = {120, 600, 855, 255, "その他"};
    Text5.Left = 960;
    Text5.Top = 600;
    Text5.Width = 495;
    Text5.Height = 270;
    Text5.Text = "0000";
    Label9 = {1500, 675, 345, 180, "(ppi)"};

    Frame1 = {2760, 120, 2655, 855, "換算結果は"};
    Label5 = {120, 225, 2175, 255, "0.0000000000"};
    UpDown1.Left = 2280;
    UpDown1.Top = 225;
    UpDown1.Width = 240;
    UpDown1.Height = 255;
    UpDown1.Value = kInitialDecimals;
    Label1 = {1080, 550, 1215, 255, "まで表示する"};

    SetOption1(0, true);
}

}  // namespace zelvo
