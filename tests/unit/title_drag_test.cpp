#include <gtest/gtest.h>

#include "bar/skin_roles.h"
#include "control/window_set.h"
#include "fake/fake_platform.h"

namespace zelvo {
namespace {

class TitleDragTest : public ::testing::Test {
  protected:
    // Keeps the fake window where the bar model says it is.
    void FollowBar() {
        fake.windowOps.barOrigin = {static_cast<int>(bar.Left / 15),
                                    static_cast<int>(bar.Top / 15)};
    }
    std::string TitlePicture() const { return bar.topimg.Picture->origin; }

    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
    Form2& dialog = windows.dialog;
};

TEST_F(TitleDragTest, PressStoresThePointerInScreenPixels) {
    fake.windowOps.barOrigin = {200, 300};
    bar.topimg_MouseDown(kLeftButton, 0, 100, 50);
    EXPECT_EQ(bar.LastDragPoint.x, 207);  // 100 / 15 = 6.67 rounds to 7
    EXPECT_EQ(bar.LastDragPoint.y, 303);  // 50 / 15 = 3.33 rounds to 3
}

TEST_F(TitleDragTest, PressRoundsHalvesToEven) {
    bar.topimg_MouseDown(kLeftButton, 0, 37.5F, 22.5F);  // 2.5 and 1.5 pixels
    EXPECT_EQ(bar.LastDragPoint.x, 2);
    EXPECT_EQ(bar.LastDragPoint.y, 2);
}

TEST_F(TitleDragTest, BarFollowsThePointerInWholePixels) {
    bar.Left = 3000;
    bar.Top = 4500;
    FollowBar();
    bar.topimg_MouseDown(kLeftButton, 0, 150, 150);
    bar.topimg_MouseMove(kLeftButton, 0, 150 + 10 * 15, 150 - 4 * 15);
    EXPECT_EQ(bar.Left, 3150);
    EXPECT_EQ(bar.Top, 4440);

    FollowBar();  // the picture moved with the window: the pointer is back over its spot
    bar.topimg_MouseMove(kLeftButton, 0, 150 + 2 * 15, 150);
    EXPECT_EQ(bar.Left, 3180);
    EXPECT_EQ(bar.Top, 4440);
}

TEST_F(TitleDragTest, BarMayLeaveTheScreen) {
    FollowBar();
    bar.topimg_MouseDown(kLeftButton, 0, 0, 0);
    bar.topimg_MouseMove(kLeftButton, 0, -600, -300);
    EXPECT_EQ(bar.Left, -600);
    EXPECT_EQ(bar.Top, -300);
}

TEST_F(TitleDragTest, OnlyTheLeftButtonAloneDrags) {
    bar.Left = 1500;
    bar.topimg_MouseDown(kLeftButton, 0, 0, 0);
    bar.topimg_MouseMove(0, 0, 300, 300);
    bar.topimg_MouseMove(kLeftButton | kRightButton, 0, 300, 300);
    bar.topimg_MouseMove(kRightButton, 0, 300, 300);
    EXPECT_EQ(bar.Left, 1500);
    EXPECT_EQ(bar.Top, 0);
}

TEST_F(TitleDragTest, RightPressOpensTheMenuAndStartsNoDrag) {
    bar.LastDragPoint = {5, 5};
    bar.topimg_MouseDown(kRightButton, 0, 300, 300);
    ASSERT_EQ(fake.toolkit.shownMenus.size(), 1U);
    const auto& menu = fake.toolkit.shownMenus[0];
    ASSERT_EQ(menu.size(), 4U);
    EXPECT_EQ(menu[0].caption, "タスクバーへ格納");
    EXPECT_EQ(menu[1].caption, "幅を操作");
    ASSERT_EQ(menu[1].items.size(), 2U);
    EXPECT_EQ(menu[1].items[0].caption, "最大化して均等");
    EXPECT_EQ(menu[1].items[1].caption, "各項目の幅を均等に…");
    EXPECT_EQ(menu[2].caption, "環境設定");
    EXPECT_EQ(menu[3].caption, "終了");
    EXPECT_EQ(bar.LastDragPoint.x, 5);
    bar.topimg_MouseDown(4, 0, 300, 300);  // middle button: nothing
    EXPECT_EQ(fake.toolkit.shownMenus.size(), 1U);
}

TEST_F(TitleDragTest, DoubleClicksToggleTheTopmostMode) {
    dialog.Command2_Click();  // pictures on the bar
    EXPECT_EQ(bar.topmostMode.PendingTopmost, 1);

    bar.topimg_DblClick();
    EXPECT_EQ(fake.windowOps.keepAbove.back(), true);
    EXPECT_EQ(dialog.Check2.Value, 1);
    EXPECT_EQ(bar.topmostMode.PendingTopmost, 0);
    EXPECT_EQ(TitlePicture(), "builtin:top_modal");

    bar.topimg_DblClick();
    EXPECT_EQ(fake.windowOps.keepAbove.back(), false);
    EXPECT_EQ(dialog.Check2.Value, 0);
    EXPECT_EQ(bar.topmostMode.PendingTopmost, 1);
    EXPECT_EQ(TitlePicture(), "builtin:top_modeless");
}

TEST_F(TitleDragTest, ToggleRunsAgainInsideThroughTheCheckBoxAndEndsTheSame) {
    ToggleTopmost(bar, dialog);
    // The check box changed, so its click ran the same mode once more inside.
    EXPECT_EQ(fake.windowOps.keepAbove, (std::vector<bool>{true, true}));
    EXPECT_EQ(bar.topmostMode.PendingTopmost, 0);
    EXPECT_EQ(dialog.Check2.Value, 1);
}

TEST_F(TitleDragTest, CheckBoxAppliesTheModeItShowsAndShowsTheBar) {
    bar.Visible = false;
    dialog.Check2.Value = 1;
    dialog.Check2_Click();
    EXPECT_TRUE(bar.Visible);
    EXPECT_EQ(fake.windowOps.keepAbove, (std::vector<bool>{true}));
    EXPECT_EQ(TitlePicture(), "builtin:top_modal");

    bar.Visible = false;
    dialog.Check2.Value = 0;
    dialog.Check2_Click();
    EXPECT_TRUE(bar.Visible);
    EXPECT_EQ(fake.windowOps.keepAbove.back(), false);
    EXPECT_EQ(TitlePicture(), "builtin:top_modeless");
    EXPECT_EQ(bar.topmostMode.PendingTopmost, 1);
}

TEST_F(TitleDragTest, PendingModeOutsideZeroAndOneDoesNothing) {
    bar.topmostMode.PendingTopmost = 7;
    ToggleTopmost(bar, dialog);
    EXPECT_TRUE(fake.windowOps.keepAbove.empty());
    EXPECT_FALSE(bar.Visible);
}

}  // namespace
}  // namespace zelvo
