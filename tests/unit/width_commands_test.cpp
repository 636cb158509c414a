#include <gtest/gtest.h>

#include <vector>

#include "control/window_set.h"
#include "fake/fake_platform.h"

namespace zelvo {
namespace {

class WidthCommandsTest : public ::testing::Test {
  protected:
    std::vector<float> BoxLefts() const {
        std::vector<float> lefts;
        for (const TextBox& box : bar.text1) {
            lefts.push_back(box.Left);
        }
        return lefts;
    }
    std::vector<float> SeparatorLefts() const {
        std::vector<float> lefts;
        for (const Image& separator : bar.BorderImg) {
            lefts.push_back(separator.Left);
        }
        return lefts;
    }
    void ExpectEqualBoxes(float width) const {
        for (const TextBox& box : bar.text1) {
            EXPECT_EQ(box.Width, width);
        }
    }

    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
    Form2& dialog = windows.dialog;
};

TEST_F(WidthCommandsTest, FactoryWidthLayout) {
    LayoutBar(bar, 500);
    EXPECT_EQ(BoxLefts(), (std::vector<float>{390, 1280, 2170, 3060, 3950, 4840, 5730}));
    EXPECT_EQ(SeparatorLefts(), (std::vector<float>{890, 1780, 2670, 3560, 4450, 5340}));
    ExpectEqualBoxes(500);
    EXPECT_EQ(bar.BottomImg.Left, 6230);
    EXPECT_EQ(bar.Width, 6740);
    EXPECT_EQ(bar.Height, 525);
    EXPECT_EQ(bar.Image2.Width, 6740);
    EXPECT_EQ(bar.text1[3].Top, 140);
    EXPECT_EQ(bar.BorderImg[3].Height, 495);
}

TEST_F(WidthCommandsTest, DesignWidthGivesTheDesignLayoutBack) {
    LayoutBar(bar, 500);
    LayoutBar(bar, 1335);
    EXPECT_EQ(BoxLefts(), (std::vector<float>{390, 2115, 3840, 5565, 7290, 9015, 10740}));
    EXPECT_EQ(SeparatorLefts(), (std::vector<float>{1725, 3450, 5175, 6900, 8625, 10350}));
    EXPECT_EQ(bar.BottomImg.Left, 12075);
    EXPECT_EQ(bar.Width, 12585);
}

TEST_F(WidthCommandsTest, EqualWidthsKeepTheDesignBar) {
    bar.pulldown1_haba_touhaba_Click();
    ExpectEqualBoxes(1335);
    EXPECT_EQ(bar.Width, 12585);
}

TEST_F(WidthCommandsTest, EqualWidthsShareUnevenBoxesWithinRounding) {
    bar.text1[2].Width = 160;
    bar.text1[3].Left = 4390;
    bar.text1[3].Width = 2510;
    bar.BorderImg[2].Left = 4000;
    bar.Left = 900;
    bar.pulldown1_haba_touhaba_Click();
    ExpectEqualBoxes(1335);
    EXPECT_EQ(bar.Width, 12585);
    EXPECT_EQ(bar.Left, 900);

    bar.Width = 12600;  // 9360 / 7 = 1337.14
    bar.pulldown1_haba_touhaba_Click();
    ExpectEqualBoxes(1337);
    EXPECT_EQ(bar.Width, 12599);
}

TEST_F(WidthCommandsTest, MaximiseOnA1024PixelScreen) {
    bar.Left = 2000;
    bar.Top = 700;
    bar.pulldown1_haba_saidaika_Click();
    EXPECT_EQ(bar.Left, 0);
    EXPECT_EQ(bar.Top, 700);
    ExpectEqualBoxes(1731);
    EXPECT_EQ(bar.BottomImg.Left, 14847);
    EXPECT_EQ(bar.Width, 15357);
}

TEST_F(WidthCommandsTest, MaximiseOnA4KScreenPassesThe16BitRange) {
    fake.toolkit.screenWidth = 3840 * 15;  // 57600 twips
    bar.pulldown1_haba_saidaika_Click();
    ExpectEqualBoxes(7766);  // (57600 - 3240) / 7 = 7765.71
    EXPECT_EQ(bar.text1[6].Left, 390 + 6 * (7766 + 390));
    EXPECT_EQ(bar.BottomImg.Left, 390 + 7 * 7766 + 6 * 390);
    EXPECT_EQ(bar.Width, 57602);
    EXPECT_EQ(bar.Image2.Width, 57602);
}

TEST_F(WidthCommandsTest, EqualWidthsOfABarNarrowerThanItsPicturesKeepAMinimumBox) {
    bar.Width = 2000;
    bar.pulldown1_haba_touhaba_Click();
    ExpectEqualBoxes(100);
}

TEST_F(WidthCommandsTest, FactoryLayoutCentresOnTheTitleAndShowsTheBar) {
    bar.Left = 4321;
    bar.Visible = false;
    dialog.UpDown1.Value = 5;
    dialog.pulldown2_Bardefault_Click();
    EXPECT_EQ(bar.Top, 5512.5F);  // 11520 / 2 - 495 / 2
    EXPECT_EQ(bar.Left, 4321);
    EXPECT_EQ(bar.Width, 6740);
    EXPECT_TRUE(bar.Visible);
    EXPECT_EQ(dialog.UpDown1.Value, 5);
}

TEST_F(WidthCommandsTest, MenuEntriesReachTheCommands) {
    fake.toolkit.menuChoices = {"pulldown1_haba_saidaika"};
    bar.topimg_MouseDown(kRightButton, 0, 10, 10);
    EXPECT_EQ(bar.Width, 15357);

    fake.toolkit.menuChoices = {"pulldown1_taskbar"};
    bar.Visible = true;
    bar.topimg_MouseDown(kRightButton, 0, 10, 10);
    EXPECT_FALSE(bar.Visible);

    fake.toolkit.menuChoices = {"pulldown1_kankyosettei"};
    bar.topimg_MouseDown(kRightButton, 0, 10, 10);
    EXPECT_TRUE(dialog.Visible);

    fake.toolkit.menuChoices = {"pulldown1_end"};
    bar.topimg_MouseDown(kRightButton, 0, 10, 10);
    EXPECT_EQ(fake.toolkit.quits, 1);

    bar.topimg_MouseDown(kRightButton, 0, 10, 10);  // closed without a choice
    EXPECT_EQ(fake.toolkit.quits, 1);
}

}  // namespace
}  // namespace zelvo
