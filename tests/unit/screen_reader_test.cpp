#include <gtest/gtest.h>

#include "bar/accessible_names.h"
#include "bar/results_announcer.h"
#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "fake/typist.h"

namespace zelvo {
namespace {

class ScreenReaderTest : public ::testing::Test {
  protected:
    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
    fake::Typist typist{bar};
};

// What is read out after a conversion: the focused box first, then the others in the
// bar's order, each with its unit's name, the expression box never among them.
TEST_F(ScreenReaderTest, ResultsAreReadFocusedBoxFirst) {
    typist.Convert(4, "1");
    EXPECT_EQ(ResultsForScreenReader(bar, 4),
              "インチ / inch 1.00、mm 25.40、Q 101.60、ポイント / pt 72.02、"
              "ピクセル / px 96.00、トゥイップ / twip 1440.18");
    typist.Convert(0, "10+5q");
    EXPECT_EQ(ResultsForScreenReader(bar, 0),
              "mm 11.25、Q 45.00、ポイント / pt 31.90、インチ / inch 0.44、"
              "ピクセル / px 42.52、トゥイップ / twip 637.88");
}

TEST_F(ScreenReaderTest, EmptyBoxesAreLeftOut) {
    EXPECT_EQ(ResultsForScreenReader(bar, 1), "");
    bar.text1[3].Text = "72";
    EXPECT_EQ(ResultsForScreenReader(bar, 1), "ポイント / pt 72");
}

// A view announces a conversion once, from the focused box: not the typing before
// it, not the same results shown again, not while no box has the focus.
TEST_F(ScreenReaderTest, AConversionIsAnnouncedOnce) {
    ResultsAnnouncer announcer;
    EXPECT_EQ(announcer.Next(bar, 2), "");
    typist.Click(2);
    typist.Type("12");
    EXPECT_EQ(announcer.Next(bar, 2), "");
    typist.Enter();
    EXPECT_TRUE(announcer.Next(bar, 2).starts_with("Q 12.00、mm 3.00、"));
    EXPECT_EQ(announcer.Next(bar, 2), "");
    typist.Convert(1, "10");
    EXPECT_EQ(announcer.Next(bar, -1), "");
    EXPECT_EQ(announcer.Next(bar, 1), "");
}

// The menu key in any box opens the bar's own menu, the one a right click on the
// title opens, and its choice is carried out.
TEST_F(ScreenReaderTest, TheMenuKeyOpensTheBarsMenu) {
    fake.toolkit.menuChoices = {"pulldown1_taskbar"};
    bar.text1_MenuKey(2);
    ASSERT_EQ(fake.toolkit.shownMenus.size(), 1U);
    ASSERT_EQ(fake.toolkit.shownMenus[0].size(), bar.pulldown1.size());
    EXPECT_EQ(fake.toolkit.shownMenus[0][0].caption, "タスクバーへ格納");
    EXPECT_FALSE(bar.Visible);  // タスクバーへ格納 was carried out
}

}  // namespace
}  // namespace zelvo
