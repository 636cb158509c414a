#include <gtest/gtest.h>

#include "control/window_set.h"
#include "fake/fake_platform.h"

namespace zelvo {
namespace {

struct Placed {
    float left, top, width, height;
};

template <typename Control>
Placed PlaceOf(const Control& c) {
    return {c.Left, c.Top, c.Width, c.Height};
}

bool operator==(const Placed& a, const Placed& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

void PrintTo(const Placed& p, std::ostream* os) {
    *os << p.left << "," << p.top << "," << p.width << "," << p.height;
}

class SettingsDialogTest : public ::testing::Test {
  protected:
    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    Form2& dialog = windows.dialog;
};

TEST_F(SettingsDialogTest, FramesCarryTheirCaptionsAndPlaces) {
    EXPECT_EQ(dialog.Caption, "設定");
    EXPECT_FALSE(dialog.Visible);
    EXPECT_EQ(dialog.Frame7.Caption, "Pixel部の設定");
    EXPECT_EQ(PlaceOf(dialog.Frame7), (Placed{120, 120, 2535, 975}));
    EXPECT_EQ(dialog.Frame1.Caption, "換算結果は");
    EXPECT_EQ(PlaceOf(dialog.Frame1), (Placed{2760, 120, 2655, 855}));
    EXPECT_EQ(dialog.Frame2.Caption, "Barの表示設定");
    EXPECT_EQ(PlaceOf(dialog.Frame2), (Placed{2760, 1080, 2655, 1335}));
    EXPECT_EQ(dialog.Frame8.Caption, "ホットキー設定");
    EXPECT_EQ(PlaceOf(dialog.Frame8), (Placed{120, 1320, 2535, 735}));
    EXPECT_EQ(dialog.Frame3.Caption, "skin選択");
    EXPECT_EQ(PlaceOf(dialog.Frame3), (Placed{120, 2520, 5295, 1575}));
    EXPECT_EQ(dialog.Height, 4215.0F);
}

// The login start lives in the autostart entry alone: the box reads it each time the
// dialog opens and shows what is really there after a change, failed or not.
TEST_F(SettingsDialogTest, TheLoginCheckBoxFollowsTheAutostartEntry) {
    EXPECT_EQ(dialog.Check3.Caption, "ログイン時に起動");
    EXPECT_EQ(PlaceOf(dialog.Check3), (Placed{120, 960, 2450, 255}));
    fake.autostart.enabled = true;
    dialog.pulldown2_settei_Click();
    EXPECT_TRUE(dialog.Visible);
    EXPECT_EQ(dialog.Check3.Value, 1);

    dialog.Check3.Value = 0;
    dialog.Check3_Click();
    EXPECT_FALSE(fake.autostart.enabled);
    dialog.Check3.Value = 1;
    dialog.Check3_Click();
    EXPECT_TRUE(fake.autostart.enabled);
    EXPECT_TRUE(fake.toolkit.messages.empty());

    fake.autostart.writingWorks = false;
    dialog.Check3.Value = 0;
    dialog.Check3_Click();
    EXPECT_EQ(dialog.Check3.Value, 1);
    ASSERT_EQ(fake.toolkit.messages.size(), 1U);
    EXPECT_EQ(fake.toolkit.messages[0].prompt, "ログイン時に起動する設定を変更できませんでした。");

    fake.autostart.enabled = false;  // removed behind the program's back
    windows.bar.pulldown1_kankyosettei_Click();
    EXPECT_EQ(dialog.Check3.Value, 0);
}

TEST_F(SettingsDialogTest, ControlsCarryTheirCaptionsAndPlaces) {
    EXPECT_EQ(dialog.Option1[0].Caption, "win(96ppi)");
    EXPECT_EQ(PlaceOf(dialog.Option1[0]), (Placed{120, 255, 1095, 255}));
    EXPECT_EQ(dialog.Option1[1].Caption, "mac(72ppi)");
    EXPECT_EQ(PlaceOf(dialog.Option1[1]), (Placed{1200, 240, 1200, 255}));
    EXPECT_EQ(PlaceOf(dialog.Option1[2]), (Placed{120, 600, 855, 255}));
    EXPECT_EQ(PlaceOf(dialog.Text5), (Placed{960, 600, 495, 270}));
    EXPECT_EQ(PlaceOf(dialog.Label9), (Placed{1500, 675, 345, 180}));
    EXPECT_EQ(dialog.Label5.Caption, "0.0000000000");
    EXPECT_EQ(PlaceOf(dialog.Label5), (Placed{120, 225, 2175, 255}));
    EXPECT_EQ(PlaceOf(dialog.UpDown1), (Placed{2280, 225, 240, 255}));
    EXPECT_EQ(PlaceOf(dialog.Label1), (Placed{1080, 550, 1215, 255}));
    EXPECT_EQ(dialog.Check1.Caption, "起動時はtaskbarに格納");
    EXPECT_EQ(PlaceOf(dialog.Check1), (Placed{120, 240, 2450, 255}));
    EXPECT_EQ(dialog.Check2.Caption, "Zelvoは常に最前面に表示");
    EXPECT_EQ(PlaceOf(dialog.Check2), (Placed{120, 600, 2450, 255}));
    EXPECT_EQ(dialog.Check1.Value, 0);
    EXPECT_EQ(dialog.Check2.Value, 0);
    EXPECT_EQ(PlaceOf(dialog.picHotKey), (Placed{120, 360, 1575, 255}));
    EXPECT_EQ(dialog.cmdSet.Caption, "変更");
    EXPECT_EQ(PlaceOf(dialog.cmdSet), (Placed{1800, 360, 615, 255}));
}

TEST_F(SettingsDialogTest, SkinFrameControls) {
    EXPECT_EQ(PlaceOf(dialog.Label2), (Placed{1320, 0, 5175, 255}));
    EXPECT_EQ(dialog.Label2.Caption, "");
    EXPECT_EQ(dialog.Combo1.Text, "skinセットがありません");
    EXPECT_EQ(dialog.Combo1.ListCount(), 0);
    EXPECT_EQ(dialog.Combo1.ListIndex, -1);
    EXPECT_EQ(PlaceOf(dialog.Combo1), (Placed{120, 840, 3975, 300}));
    EXPECT_EQ(dialog.Command1.Caption, "確　認");
    EXPECT_EQ(PlaceOf(dialog.Command1), (Placed{4200, 840, 855, 255}));
    EXPECT_EQ(dialog.Command2.Caption, "バーに適用");
    EXPECT_EQ(PlaceOf(dialog.Command2), (Placed{120, 1200, 4935, 255}));
    EXPECT_EQ(PlaceOf(dialog.Picture1), (Placed{600, 240, 4455, 495}));
    EXPECT_EQ(PlaceOf(dialog.Image1[1]), (Placed{120, 240, 390, 495}));
    const float lefts[] = {0, 120, 540, 1110, 1680, 2280, 2820, 3360, 3960, 0};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(dialog.Image1.at(i).Left, lefts[i]) << i;
        EXPECT_EQ(dialog.Image1.at(i).Picture, nullptr) << i;
    }
    EXPECT_TRUE(dialog.Image1[9].Stretch);
}

}  // namespace
}  // namespace zelvo
