#include "platform/win32/win32_window_ops.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

// A borderless top-level window standing in for the bar: its client area starts at its
// own top left corner.
class Window {
  public:
    Window(int left, int top, HWND owner = nullptr)
        : handle_(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, left, top, 200, 30, owner, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr)) {}
    ~Window() { ::DestroyWindow(handle_); }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND handle() const { return handle_; }
    bool topmost() const {
        return (::GetWindowLongPtrW(handle_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    }

  private:
    HWND handle_;
};

TEST(Win32WindowOpsTest, KeepAboveAskedBeforeTheBarExistsIsAppliedWhenItIsAttached) {
    Win32WindowOps ops;
    ops.SetBarKeepAbove(true);
    const Window bar(100, 50);
    ASSERT_NE(bar.handle(), nullptr);
    EXPECT_FALSE(bar.topmost());
    ops.AttachBar(bar.handle());
    EXPECT_TRUE(bar.topmost());
    ops.SetBarKeepAbove(false);
    EXPECT_FALSE(bar.topmost());
    ops.SetBarKeepAbove(true);
    EXPECT_TRUE(bar.topmost());
}

// The bar owns windows in the topmost band (its tool tips, the drag marker), and another
// program's window lies between them and the bar.
TEST(Win32WindowOpsTest, KeepAboveHoldsForABarBelowTheWindowsItOwns) {
    Win32WindowOps ops;
    const Window bar(100, 50);
    const Window other(300, 300);
    const Window owned(120, 60, bar.handle());
    ops.AttachBar(bar.handle());
    ::SetWindowPos(owned.handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetWindowPos(other.handle(), owned.handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_EQ(::GetWindow(owned.handle(), GW_HWNDNEXT), other.handle());
    ASSERT_EQ(::GetWindow(other.handle(), GW_HWNDNEXT), bar.handle());
    ASSERT_FALSE(other.topmost());

    ops.SetBarKeepAbove(true);
    EXPECT_TRUE(bar.topmost());
    EXPECT_EQ(::GetWindow(owned.handle(), GW_OWNER), bar.handle());
    ::SetWindowPos(owned.handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_TRUE(owned.topmost());
    EXPECT_TRUE(bar.topmost());
}

TEST(Win32WindowOpsTest, ClientPointsBecomeScreenPoints) {
    Win32WindowOps ops;
    EXPECT_EQ(ops.BarClientToScreen({7, 3}).x, 7);
    const Window bar(100, 50);
    ops.AttachBar(bar.handle());
    const PixelPoint screen = ops.BarClientToScreen({7, 3});
    EXPECT_EQ(screen.x, 107);
    EXPECT_EQ(screen.y, 53);
}

TEST(Win32WindowOpsTest, TheBarAndTheWindowsItOwnsCountAsTheForeground) {
    Win32WindowOps ops;
    EXPECT_FALSE(ops.IsBarForeground());
    const Window bar(100, 50);
    const Window owned(120, 60, bar.handle());
    const Window other(300, 300);
    ops.AttachBar(bar.handle());
    ::ShowWindow(bar.handle(), SW_SHOWMINNOACTIVE);
    ::ShowWindow(other.handle(), SW_SHOWNOACTIVATE);
    ::SetForegroundWindow(other.handle());
    EXPECT_FALSE(ops.IsBarForeground());

    ops.BringBarToForeground();
    EXPECT_FALSE(::IsIconic(bar.handle()));
    EXPECT_TRUE(ops.IsBarForeground());

    ::ShowWindow(owned.handle(), SW_SHOWNOACTIVATE);
    ::SetForegroundWindow(owned.handle());
    ASSERT_EQ(::GetForegroundWindow(), owned.handle());
    EXPECT_TRUE(ops.IsBarForeground());
}

}  // namespace
}  // namespace zelvo
