#include "bar/form1.h"

#include "bar/bar_metrics.h"
#include "bar/skin_roles.h"
#include "control/form2.h"
#include "conversion/notices.h"
#include "settings/settings_keys.h"

namespace zelvo {
namespace {

constexpr float kStripHeight = 495;
constexpr float kPictureWidth = 390;
constexpr float kUnitBoxPitch = 1725;
constexpr float kUnitBoxTop = 140;
constexpr float kUnitBoxWidth = 1335;
constexpr float kUnitBoxHeight = 270;

}  // namespace

form1::form1(Platform& platform, Form2& dialog)
    : conversion(platform.evaluator, platform.toolkit), platform_(platform), dialog_(dialog) {
    topimg = {0, 0, kPictureWidth, kStripHeight};
    for (int i = 0; i < kUnitBoxCount; ++i) {
        TextBox& box = text1.at(i);
        box.Left = kPictureWidth + kUnitBoxPitch * static_cast<float>(i);
        box.Top = kUnitBoxTop;
        box.Width = kUnitBoxWidth;
        box.Height = kUnitBoxHeight;
        box.ToolTipText = std::string(kUnitBoxToolTips.at(i));
        box.TabIndex = i;
    }
    for (int i = 0; i < kSeparatorCount; ++i) {
        BorderImg.at(i) = {text1.at(i).Left + kUnitBoxWidth, 0, kPictureWidth, kStripHeight};
    }
    BottomImg = {text1[6].Left + kUnitBoxWidth, 0, 510, kStripHeight};
    Image2 = {kPictureWidth, 0, 11685, kStripHeight};
    Image2.Stretch = true;
    BBox = {1080, 720, 1215, kStripHeight, false};

    Width = BottomImg.Left + BottomImg.Width;
    Height = Image2.Height + kWindowHeightMargin;

    Frame5 = {2400, 840, 4000, 1500, "", false};
    Text4.Text = "keyasciiチェッカー";

    pulldown1 = {
        {"pulldown1_taskbar", "タスクバーへ格納"},
        {"pulldown1_haba",
         "幅を操作",
         {{"pulldown1_haba_saidaika", "最大化して均等"},
          {"pulldown1_haba_touhaba", "各項目の幅を均等に…"}}},
        {"pulldown1_kankyosettei", "環境設定"},
        {"pulldown1_end", "終了"},
    };

    for (int slot = 1; slot <= ImageList1.kCount; ++slot) {
        ImageList1.Slot(slot) = platform_.toolkit.BuiltinPicture(slot);
    }
}

void form1::Form_Load() {
    if (!dialog_.loaded()) {
        dialog_.Form_Load();
    }
    skin_settings(dialog_.SkinFolderNamed(dialog_.Combo1.SelectedItem()));
}

void form1::Form_Unload() {
    const std::string path = platform_.paths.SettingsFile();
    const std::string folder = path.substr(0, path.find_last_of('/'));
    if (!platform_.folders.MakeFolders(folder) || !KankyouOutPut(path)) {
        platform_.toolkit.MessageBox(notice::kSettingsNotSaved, MessageIcon::None);
    }
}

}  // namespace zelvo
