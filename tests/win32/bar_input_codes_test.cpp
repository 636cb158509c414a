#include <gtest/gtest.h>

#include <array>

#include "ui/win32/key_codes.h"
#include "ui/win32/mouse_codes.h"
#include "ui/win32/tab_order.h"

namespace zelvo::win32 {
namespace {

// The lParam of a WM_CHAR the key with `scanCode` typed.
LPARAM TypedBy(UINT scanCode) {
    return static_cast<LPARAM>(1 | (scanCode << 16));
}

TEST(BarInputCodesTest, MouseMessagesGiveTheHandlersButtonAndShiftCodes) {
    EXPECT_EQ(ButtonOf(kWmLButtonDown), 1);
    EXPECT_EQ(ButtonOf(WM_LBUTTONDBLCLK), 1);
    EXPECT_EQ(ButtonOf(WM_RBUTTONUP), 2);
    EXPECT_EQ(ButtonOf(WM_MBUTTONDOWN), 4);
    EXPECT_EQ(ButtonOf(WM_MOUSEMOVE), 0);

    EXPECT_EQ(ButtonsHeld(0), 0);
    EXPECT_EQ(ButtonsHeld(MK_LBUTTON), 1);
    EXPECT_EQ(ButtonsHeld(MK_LBUTTON | MK_RBUTTON | MK_SHIFT), 3);
    EXPECT_EQ(ButtonsHeld(MK_MBUTTON), 4);

    EXPECT_EQ(ShiftState(MK_LBUTTON, false), 0);
    EXPECT_EQ(ShiftState(MK_SHIFT, false), 1);
    EXPECT_EQ(ShiftState(MK_CONTROL | MK_SHIFT, true), 7);
}

TEST(BarInputCodesTest, PointsLeftOfAndAboveTheWindowAreNegative) {
    const POINT inside = MessagePoint(MAKELPARAM(300, 5));
    EXPECT_EQ(inside.x, 300);
    EXPECT_EQ(inside.y, 5);
    const POINT outside = MessagePoint(MAKELPARAM(-45, -3));
    EXPECT_EQ(outside.x, -45);
    EXPECT_EQ(outside.y, -3);
}

TEST(BarInputCodesTest, TypedCharactersReachTheHandlersAsTheirKeysCodes) {
    const UINT enter = ::MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC);
    const UINT backspace = ::MapVirtualKeyW(VK_BACK, MAPVK_VK_TO_VSC);
    const UINT tab = ::MapVirtualKeyW(VK_TAB, MAPVK_VK_TO_VSC);
    const UINT keyA = ::MapVirtualKeyW('A', MAPVK_VK_TO_VSC);
    ASSERT_NE(enter, 0U);
    EXPECT_EQ(TypingKey(TypedBy(enter)), static_cast<UINT>(VK_RETURN));
    EXPECT_EQ(TypingKey(TypedBy(keyA)), static_cast<UINT>('A'));
    EXPECT_EQ(TypingKey(1), 0U);

    EXPECT_EQ(KeyCodeFor(L'\n', TypingKey(TypedBy(enter))), L'\r');       // Ctrl+Enter
    EXPECT_EQ(KeyCodeFor(0x7F, TypingKey(TypedBy(backspace))), L'\b');    // Ctrl+Backspace
    EXPECT_EQ(KeyCodeFor(L'\t', TypingKey(TypedBy(tab))), std::nullopt);  // moved the focus
    EXPECT_EQ(KeyCodeFor(1, TypingKey(TypedBy(keyA))), 1);                // Ctrl+A
    EXPECT_EQ(KeyCodeFor(L'a', TypingKey(TypedBy(keyA))), L'a');
    EXPECT_EQ(KeyCodeFor(L'\r', 0), L'\r');  // sent by a program
    EXPECT_EQ(KeyCodeFor(L'\t', 0), L'\t');
    EXPECT_EQ(KeyCodeFor(L'２', 0), L'２');
}

TEST(BarInputCodesTest, TabGoesRoundTheBoxesThatTakeTheFocus) {
    std::array<bool, 7> takesFocus{true, true, true, true, true, true, true};
    EXPECT_EQ(NextTabStop(2, true, takesFocus), 3);
    EXPECT_EQ(NextTabStop(6, true, takesFocus), 0);
    EXPECT_EQ(NextTabStop(0, false, takesFocus), 6);
    EXPECT_EQ(NextTabStop(4, false, takesFocus), 3);

    takesFocus[3] = false;  // hidden while a separator is dragged
    takesFocus[0] = false;
    EXPECT_EQ(NextTabStop(2, true, takesFocus), 4);
    EXPECT_EQ(NextTabStop(4, false, takesFocus), 2);
    EXPECT_EQ(NextTabStop(6, true, takesFocus), 1);

    const std::array<bool, 3> alone{false, true, false};
    EXPECT_EQ(NextTabStop(1, true, alone), 1);
    EXPECT_EQ(NextTabStop(1, false, alone), 1);
}

}  // namespace
}  // namespace zelvo::win32
