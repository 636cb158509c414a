#include <gtest/gtest.h>

#include "control/hotkey2.h"
#include "control/window_set.h"
#include "fake/fake_platform.h"

namespace zelvo {
namespace {

class MessageHookTest : public ::testing::Test {
  protected:
    MessageHookTest() {
        dialog.hotKeyRecord.HotKeyAtom = 0xC000;
        dialog.WindowProc = [this](int message, std::int32_t wParam, std::int32_t) {
            passedOn.emplace_back(message, wParam);
            return 7;
        };
    }
    std::int32_t HotKey(std::int32_t id = static_cast<std::int16_t>(0xC000)) {
        return dialog.ReceiveMessage(hotkey2::WM_HOTKEY, id, 0x4B0006);
    }

    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
    Form2& dialog = windows.dialog;
    std::vector<std::pair<int, std::int32_t>> passedOn;
};

TEST_F(MessageHookTest, TheHotKeyTogglesTheBarThroughThreeOutcomes) {
    ASSERT_TRUE(hotkey2::HookWindow(dialog));
    bar.Visible = true;
    fake.windowOps.barForeground = false;

    HotKey();  // behind another window: brought forward
    EXPECT_TRUE(bar.Visible);
    EXPECT_EQ(fake.windowOps.broughtForward, 1);
    HotKey();  // in front: hidden
    EXPECT_FALSE(bar.Visible);
    fake.windowOps.barForeground = false;
    HotKey();  // hidden: shown, and the active window, ready for typing
    EXPECT_TRUE(bar.Visible);
    EXPECT_EQ(fake.windowOps.broughtForward, 2);
    EXPECT_TRUE(fake.windowOps.barForeground);
    EXPECT_EQ(passedOn.size(), 3U);
}

TEST_F(MessageHookTest, ShowingSelectsTheActiveBoxsText) {
    hotkey2::HookWindow(dialog);
    bar.text1[3].SetText("72.02");
    bar.text1_GotFocus(3);
    bar.text1[3].SelStart = 2;
    bar.text1[3].SelLength = 0;
    bar.Visible = false;
    HotKey();
    EXPECT_TRUE(bar.Visible);
    EXPECT_EQ(bar.text1[3].SelStart, 0);
    EXPECT_EQ(bar.text1[3].SelLength, 5);
}

TEST_F(MessageHookTest, OnlyTheLow16BitsOfTheIdentifierCount) {
    hotkey2::HookWindow(dialog);
    bar.Visible = false;
    HotKey(0x1C000);
    EXPECT_TRUE(bar.Visible);

    bar.Visible = false;
    HotKey(0xC001);
    EXPECT_FALSE(bar.Visible);
    ASSERT_EQ(passedOn.size(), 2U);
    EXPECT_EQ(passedOn[1], std::make_pair(hotkey2::WM_HOTKEY, 0xC001));
}

TEST_F(MessageHookTest, EveryMessageGoesOnWithItsResult) {
    hotkey2::HookWindow(dialog);
    EXPECT_EQ(dialog.ReceiveMessage(0x200, 513, 0), 7);
    EXPECT_EQ(HotKey(), 7);
    EXPECT_EQ(passedOn.size(), 2U);
}

TEST_F(MessageHookTest, UnhookingRestoresThePreviousProcedure) {
    EXPECT_TRUE(hotkey2::UnhookWindow(dialog));  // nothing installed: success, no change
    hotkey2::HookWindow(dialog);
    EXPECT_TRUE(hotkey2::UnhookWindow(dialog));
    EXPECT_FALSE(dialog.PrevWndProc);
    bar.Visible = false;
    HotKey();
    EXPECT_FALSE(bar.Visible);  // the hook no longer catches it
    EXPECT_EQ(passedOn.size(), 1U);
    EXPECT_TRUE(hotkey2::UnhookWindow(dialog));
}

TEST_F(MessageHookTest, NoActiveBoxMeansNothingToSelect) {
    bar.ActiveControl = -1;
    hotkey2::SelectActiveUnitBoxText(bar);
    bar.ActiveControl = 42;
    hotkey2::SelectActiveUnitBoxText(bar);
    EXPECT_EQ(bar.text1[0].SelLength, 0);
}

}  // namespace
}  // namespace zelvo
