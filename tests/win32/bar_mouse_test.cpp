#include <gtest/gtest.h>

#include "bar_window_fixture.h"

namespace zelvo::win32 {
namespace {

// Presses on the bar's pictures reach the drag handlers in twips relative to the
// pressed picture, and the window keeps the mouse until the release.
using BarMouseTest = BarWindowTest;

TEST_F(BarMouseTest, TitleDragMovesTheWindow) {
    Mouse(kWmLButtonDown, MK_LBUTTON, 5, 5);
    EXPECT_EQ(::GetCapture(), window->hwnd());
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, 35, 25);
    EXPECT_EQ(bar.Left, 1500.0F + 30 * 15);
    EXPECT_EQ(bar.Top, 1500.0F + 20 * 15);
    EXPECT_EQ(ScreenRect(window->hwnd()).left, 130);
    EXPECT_EQ(ScreenRect(window->hwnd()).top, 120);
    Mouse(WM_MOUSEMOVE, 0, 50, 50);  // no button held: no move
    EXPECT_EQ(bar.Left, 1950.0F);
    Mouse(WM_LBUTTONUP, 0, 50, 50);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(BarMouseTest, SeparatorDragMovesTheMarkerAndKeepsTheMouse) {
    Mouse(kWmLButtonDown, MK_LBUTTON, 358, 5);  // separator 2: 345 to 371 pixels
    EXPECT_EQ(bar.BorderDragging, -1);
    EXPECT_EQ(::GetCapture(), window->hwnd());
    EXPECT_TRUE(::IsWindowVisible(window->marker()));
    EXPECT_FALSE(::IsWindowVisible(window->box(2)));
    EXPECT_FALSE(::IsWindowVisible(window->box(3)));

    Mouse(WM_MOUSEMOVE, MK_LBUTTON, 300, 5);  // 45 pixels left of the separator
    EXPECT_EQ(bar.BBox.Left, 5175.0F - 45 * 15 - 195);
    const RECT marker = ScreenRect(window->marker());
    EXPECT_EQ(marker.left, 100 + 287);
    EXPECT_EQ(marker.top, 100);
    EXPECT_EQ(marker.right - marker.left, 26);
    const auto extended = ::GetWindowLongPtrW(window->marker(), GWL_EXSTYLE);
    EXPECT_NE(extended & WS_EX_TRANSPARENT, 0);
    EXPECT_NE(extended & WS_EX_TOPMOST, 0);

    Mouse(WM_LBUTTONUP, 0, 300, 5);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(bar.text1[2].Width, 4305.0F - 3840);
    EXPECT_FALSE(::IsWindowVisible(window->marker()));
    EXPECT_TRUE(::IsWindowVisible(window->box(2)));
    EXPECT_EQ(ClientRect(window->box(2)).right - ClientRect(window->box(2)).left, 31);
}

TEST_F(BarMouseTest, RightEndDragFollowsThePointerOutsideTheBar) {
    Mouse(kWmLButtonDown, MK_LBUTTON, 809, 4);
    EXPECT_FALSE(::IsWindowVisible(window->box(6)));
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, 905, 4);  // 100 pixels right of its left edge
    EXPECT_EQ(bar.BottomImg.Left, 12075.0F + 1500);
    EXPECT_EQ(ScreenRect(window->hwnd()).right - ScreenRect(window->hwnd()).left, 939);
    Mouse(WM_LBUTTONUP, 0, 905, 4);
    EXPECT_EQ(bar.text1[6].Width, 1335.0F + 1500);
    EXPECT_TRUE(::IsWindowVisible(window->box(6)));
}

TEST_F(BarMouseTest, ADragEndsWhenAnotherWindowTakesTheMouse) {
    Mouse(kWmLButtonDown, MK_LBUTTON, 130, 5);  // separator 0
    ASSERT_EQ(bar.BorderDragging, -1);
    ::ReleaseCapture();
    EXPECT_EQ(bar.BorderDragging, 0);
    EXPECT_TRUE(bar.BorderImg[0].Visible);
    EXPECT_FALSE(::IsWindowVisible(window->marker()));
    EXPECT_TRUE(::IsWindowVisible(window->box(0)));
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, 300, 5);  // the drag is over
    EXPECT_FALSE(::IsWindowVisible(window->marker()));
}

TEST_F(BarMouseTest, TheTitleTakesDoubleClicksAndOpensTheMenuOnTheRightButton) {
    Mouse(WM_LBUTTONDBLCLK, MK_LBUTTON, 5, 5);
    EXPECT_EQ(windows.dialog.Check2.Value, 1);
    ASSERT_FALSE(fake.windowOps.keepAbove.empty());
    EXPECT_TRUE(fake.windowOps.keepAbove.back());

    Mouse(WM_LBUTTONDBLCLK, MK_LBUTTON, 358, 5);  // a second press on a separator
    EXPECT_EQ(bar.BorderDragging, 0);

    Mouse(kWmRButtonDown, MK_RBUTTON, 5, 5);
    EXPECT_EQ(fake.toolkit.shownMenus.size(), 1U);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(BarMouseTest, PressesOutsideThePicturesAndReleasesWithoutAPressDoNothing) {
    Mouse(kWmLButtonDown, MK_LBUTTON, 500, 5);  // the background
    Mouse(WM_LBUTTONUP, 0, 810, 5);
    Mouse(kWmRButtonDown, MK_RBUTTON, 358, 5);  // no drag with the right button
    EXPECT_EQ(bar.BorderDragging, 0);
    Mouse(WM_RBUTTONUP, 0, 358, 5);
    EXPECT_EQ(bar.text1[6].Width, 1335.0F);
    EXPECT_EQ(bar.BottomDragging, 0);
    EXPECT_EQ(fake.toolkit.shownMenus.size(), 0U);
    EXPECT_EQ(changes, 2);  // the right press and release on the separator
}

}  // namespace
}  // namespace zelvo::win32
