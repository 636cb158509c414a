#include "control/form2.h"

#include "conversion/conversion_choice.h"

namespace zelvo {
namespace {

constexpr float kPreviewHeight = 495;
constexpr std::array<float, 10> kPreviewLefts = {0,    120,  540,  1110, 1680,
                                                 2280, 2820, 3360, 3960, 0};

}  // namespace

Form2::Form2(Platform& platform, form1& bar, frmAbout& about)
    : platform_(platform), bar_(bar), about_(about) {
    Caption = "設定";
    Width = 5535;
    Height = 4215;

    Frame7 = {120, 120, 2535, 975, "Pixel部の設定"};
    Option1[0] = {120, 255, 1095, 255, "win(96ppi)"};
    Option1[1] = {1200, 240, 1200, 255, "mac(72ppi)"};
    Option1[2] = {120, 600, 855, 255, "その他"};
    Text5.Left = 960;
    Text5.Top = 600;
    Text5.Width = 495;
    Text5.Height = 270;
    Text5.Text = std::string(kInitialCustomDensity);
    Label9 = {1500, 675, 345, 180, "(ppi)"};

    Frame1 = {2760, 120, 2655, 855, "換算結果は"};
    Label5 = {120, 225, 2175, 255, "0.0000000000"};
    UpDown1.Left = 2280;
    UpDown1.Top = 225;
    UpDown1.Width = 240;
    UpDown1.Height = 255;
    UpDown1.Min = kFewestDecimals;
    UpDown1.Max = kMostDecimals;
    UpDown1.Value = kInitialDecimals;
    Label1 = {1080, 550, 1215, 255, "まで表示する"};

    // The login start's check box below Check2 makes this frame, the frame below
    // it and the dialog one row taller.
    Frame2 = {2760, 1080, 2655, 1335, "Barの表示設定"};
    Check1 = {120, 240, 2450, 255, "起動時はtaskbarに格納"};
    Check2 = {120, 600, 2450, 255, "Zelvoは常に最前面に表示"};
    Check3 = {120, 960, 2450, 255, "ログイン時に起動"};

    Frame8 = {120, 1320, 2535, 735, "ホットキー設定"};
    picHotKey = {120, 360, 1575, 255};
    cmdSet = {1800, 360, 615, 255, "変更"};

    Frame3 = {120, 2520, 5295, 1575, "skin選択"};
    Label2 = {1320, 0, 5175, 255, ""};
    Combo1 = {120, 840, 3975, 300, "skinセットがありません"};
    Command1 = {4200, 840, 855, 255, "確　認"};
    Command2 = {120, 1200, 4935, 255, "バーに適用"};
    Picture1 = {600, 240, 4455, 495};
    for (std::size_t i = 0; i < Image1.size(); ++i) {
        Image1.at(i) = {kPreviewLefts.at(i), i == 1 ? 240.0F : 0.0F, 390, kPreviewHeight};
    }
    Image1[8].Width = 510;
    Image1[9].Width = 4455;
    Image1[9].Stretch = true;

    pulldown2 = {"pulldown2",
                 "pulldown2",
                 {{"pulldown2_bar_out", "barを表示"},
                  {"pulldown2_settei", "環境設定"},
                  {"pulldown2_Bardefault", "Barの表示位置・サイズを工場出荷時に…"},
                  {"pulldown2_line1", "-"},
                  {"pulldown2_help", "help"},
                  {"pulldown2_Version_view", "バージョン情報"},
                  {"pulldown2_line2", "-"},
                  {"pulldown2_exit", "ソフトの終了"}}};

    // The window's own procedure: every message is taken and answered with 0.
    WindowProc = [](int, std::int32_t, std::int32_t) { return 0; };

    SetOption1(0, true);
}

}  // namespace zelvo
