#include <gtest/gtest.h>

#include "control/window_set.h"
#include "fake/fake_platform.h"

namespace zelvo {
namespace {

class EdgeDragTest : public ::testing::Test {
  protected:
    // Moves the pointer to screen-independent bar position `barX` (twips) over
    // separator `index`, as the view reports it: relative to the separator's left.
    void MoveSeparatorTo(int index, float barX) {
        bar.BorderImg_MouseMove(index, kLeftButton, 0, barX - bar.BorderImg.at(index).Left, 0);
    }
    void MoveRightEndBy(float dx) { bar.BottomImg_MouseMove(kLeftButton, 0, dx, 0); }

    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
};

TEST_F(EdgeDragTest, SeparatorPressSetsTheLimitsAndShowsTheMarker) {
    bar.BorderImg_MouseDown(2, kLeftButton, 0, 195, 200);
    EXPECT_EQ(bar.BorderMinLeft, 3940);
    EXPECT_EQ(bar.BorderMaxLeft, 6410);
    EXPECT_EQ(bar.BorderDragging, -1);
    EXPECT_EQ(bar.BBox.Left, 5175);
    EXPECT_EQ(bar.BBox.Top, 0);
    EXPECT_EQ(bar.BBox.Width, 390);
    EXPECT_EQ(bar.BBox.Height, 495);
    EXPECT_TRUE(bar.BBox.Visible);
    EXPECT_FALSE(bar.BorderImg[2].Visible);
    EXPECT_FALSE(bar.text1[2].Visible);
    EXPECT_FALSE(bar.text1[3].Visible);
    EXPECT_TRUE(bar.text1[1].Visible);
}

TEST_F(EdgeDragTest, ReleaseMovesTheBoundaryAndKeepsTheRightEdge) {
    bar.BorderImg_MouseDown(2, kLeftButton, 0, 195, 0);
    MoveSeparatorTo(2, 4195);  // marker centred there: left 4000
    EXPECT_EQ(bar.BBox.Left, 4000);
    bar.BorderImg_MouseUp(2, kLeftButton, 0, 0, 0);

    EXPECT_EQ(bar.BorderImg[2].Left, 4000);
    EXPECT_EQ(bar.text1[2].Width, 160);
    EXPECT_EQ(bar.text1[3].Left, 4390);
    EXPECT_EQ(bar.text1[3].Width, 2510);
    EXPECT_EQ(bar.Width, 12585);
    EXPECT_EQ(bar.BorderDragging, 0);
    EXPECT_TRUE(bar.BorderImg[2].Visible);
    EXPECT_FALSE(bar.BBox.Visible);
    EXPECT_TRUE(bar.text1[2].Visible);
    EXPECT_TRUE(bar.text1[3].Visible);
}

TEST_F(EdgeDragTest, MarkerStopsAtTheLowerLimit) {
    bar.BorderImg_MouseDown(2, kLeftButton, 0, 195, 0);
    MoveSeparatorTo(2, -5000);
    EXPECT_EQ(bar.BBox.Left, 3940);
    MoveSeparatorTo(2, 4135);  // not right of the resting marker's centre: stays
    EXPECT_EQ(bar.BBox.Left, 3940);
    MoveSeparatorTo(2, 4136);
    EXPECT_EQ(bar.BBox.Left, 3941);
    MoveSeparatorTo(2, -5000);
    bar.BorderImg_MouseUp(2, kLeftButton, 0, 0, 0);
    EXPECT_EQ(bar.text1[2].Width, 100);
}

TEST_F(EdgeDragTest, MarkerRestsAtTheUpperLimitUntilThePointerIsHalfAMarkerLeft) {
    bar.BorderImg_MouseDown(2, kLeftButton, 0, 195, 0);
    MoveSeparatorTo(2, 20000);
    EXPECT_EQ(bar.BBox.Left, 6410);
    MoveSeparatorTo(2, 6215 + 195);  // pointer at 6410: stays
    EXPECT_EQ(bar.BBox.Left, 6410);
    MoveSeparatorTo(2, 6215);  // centred marker's right edge exactly at the limit: stays
    EXPECT_EQ(bar.BBox.Left, 6410);
    MoveSeparatorTo(2, 6214);
    EXPECT_EQ(bar.BBox.Left, 6214 - 195);
    MoveSeparatorTo(2, 20000);
    bar.BorderImg_MouseUp(2, kLeftButton, 0, 0, 0);
    EXPECT_EQ(bar.text1[3].Left, 6800);
    EXPECT_EQ(bar.text1[3].Width, 100);
}

TEST_F(EdgeDragTest, RightButtonStartsNoSeparatorDragButItsReleaseTidiesUp) {
    bar.BorderImg_MouseDown(1, kRightButton, 0, 0, 0);
    EXPECT_EQ(bar.BorderDragging, 0);
    EXPECT_FALSE(bar.BBox.Visible);
    MoveSeparatorTo(1, 100);
    bar.BorderImg_MouseUp(1, kRightButton, 0, 0, 0);
    EXPECT_EQ(bar.BorderImg[1].Left, 3450);
    EXPECT_EQ(bar.text1[1].Width, 1335);
    EXPECT_TRUE(bar.text1[2].Visible);
}

TEST_F(EdgeDragTest, BoxesTooNarrowToShareKeepTheirPlaces) {
    LayoutBar(bar, 80);  // two boxes of 80 twips: the limits cross
    bar.BorderImg_MouseDown(3, kLeftButton, 0, 195, 0);
    ASSERT_GT(bar.BorderMinLeft, bar.BorderMaxLeft);
    const float start = bar.BBox.Left;
    MoveSeparatorTo(3, start + 2000);
    MoveSeparatorTo(3, start - 2000);
    bar.BorderImg_MouseUp(3, kLeftButton, 0, 0, 0);
    EXPECT_EQ(bar.text1[3].Width, 80);
    EXPECT_EQ(bar.text1[4].Width, 80);
    EXPECT_EQ(bar.BorderImg[3].Left, start);
}

TEST_F(EdgeDragTest, RightEndDragWidensTheBar) {
    bar.BottomImg_MouseDown(kLeftButton, 0, 30, 0);
    EXPECT_FALSE(bar.text1[6].Visible);
    MoveRightEndBy(1000);
    MoveRightEndBy(2000);
    EXPECT_EQ(bar.BottomImg.Left, 15075);
    EXPECT_EQ(bar.Width, 15585);
    EXPECT_EQ(bar.Image2.Width, 15585);
    bar.BottomImg_MouseUp(kLeftButton, 0, 0, 0);
    EXPECT_EQ(bar.text1[6].Width, 4335);
    EXPECT_EQ(bar.Width, 15585);
    EXPECT_TRUE(bar.text1[6].Visible);
    EXPECT_EQ(bar.BottomDragging, 0);
}

TEST_F(EdgeDragTest, RightEndStopsAMinimumBoxRightOfTheLastBox) {
    bar.BottomImg_MouseDown(kLeftButton, 0, 0, 0);
    MoveRightEndBy(-20000);
    EXPECT_EQ(bar.BottomImg.Left, 10840);
    EXPECT_EQ(bar.Width, 11350);
    MoveRightEndBy(0);  // resting exactly at the limit: nothing more happens
    EXPECT_EQ(bar.Width, 11350);
    bar.BottomImg_MouseUp(kLeftButton, 0, 0, 0);
    EXPECT_EQ(bar.text1[6].Width, 100);
}

TEST_F(EdgeDragTest, RightEndHasNoUpperLimit) {
    bar.BottomImg_MouseDown(kLeftButton, 0, 0, 0);
    MoveRightEndBy(100000);
    bar.BottomImg_MouseUp(kLeftButton, 0, 0, 0);
    EXPECT_EQ(bar.Width, 112585);
    EXPECT_EQ(bar.text1[6].Width, 101335);
}

TEST_F(EdgeDragTest, ReleaseWithoutAPressDoesNothing) {
    bar.BottomImg_MouseMove(kLeftButton, 0, 500, 0);
    bar.BottomImg_MouseUp(kLeftButton, 0, 0, 0);
    EXPECT_EQ(bar.BottomImg.Left, 12075);
    EXPECT_EQ(bar.text1[6].Width, 1335);
    bar.BottomImg_MouseDown(kRightButton, 0, 0, 0);
    EXPECT_EQ(bar.BottomDragging, 0);
}

TEST_F(EdgeDragTest, SeparatorDragFitsABarWiderThanTheScreen) {
    fake.toolkit.screenWidth = 19200;
    bar.Width = 20000;
    bar.BorderImg_MouseDown(1, kLeftButton, 0, 0, 0);
    const float marker = bar.BBox.Left;
    MoveSeparatorTo(1, 3000);
    EXPECT_EQ(bar.Width, 19200);
    EXPECT_EQ(bar.BottomImg.Left, 18690);
    EXPECT_EQ(bar.text1[6].Width, 18690 - 10740);
    EXPECT_EQ(bar.BBox.Left, marker);  // no marker move on that event
    EXPECT_EQ(bar.BorderDragging, -1);
    MoveSeparatorTo(1, 3000);
    EXPECT_EQ(bar.BBox.Left, 3000 - 195);
}

TEST_F(EdgeDragTest, FittingNeverCrushesTheLastBox) {
    fake.toolkit.screenWidth = 9000;  // the last box starts at 10740, right of the screen
    bar.Width = 20000;
    bar.BorderImg_MouseDown(1, kLeftButton, 0, 0, 0);
    MoveSeparatorTo(1, 3000);
    EXPECT_EQ(bar.text1[6].Width, 100);
    EXPECT_EQ(bar.Width, 10740 + 100 + 510);
    MoveSeparatorTo(1, 3000);  // fitted as far as it goes: the drag goes on
    EXPECT_EQ(bar.BBox.Left, 3000 - 195);
}

TEST_F(EdgeDragTest, WideBarsBeyond16BitsDragSoundly) {
    LayoutBar(bar, 8000);  // a strip 59240 twips wide; box k starts at 390 + 8390 k
    bar.BorderImg_MouseDown(5, kLeftButton, 0, 0, 0);
    EXPECT_EQ(bar.BorderMinLeft, 42340 + 100);
    EXPECT_EQ(bar.BorderMaxLeft, 50730 + 8000 - 100 - 390);
    fake.toolkit.screenWidth = 100000;
    MoveSeparatorTo(5, 45000);
    bar.BorderImg_MouseUp(5, kLeftButton, 0, 0, 0);
    EXPECT_EQ(bar.BorderImg[5].Left, 45000 - 195);
    EXPECT_EQ(bar.text1[5].Width, 45000 - 195 - 42340);
    EXPECT_EQ(bar.text1[6].Left + bar.text1[6].Width, 58730);
}

}  // namespace
}  // namespace zelvo
