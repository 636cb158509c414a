#include "platform/win32/win32_tray_icon.h"

#include <gtest/gtest.h>

#include "control/task.h"
#include "fake/fake_platform.h"

namespace zelvo {
namespace {

TEST(Win32TrayIconTest, CallbacksBecomeTheMouseMessageNumbersTheModelsTake) {
    const auto code = [](UINT event) { return Win32TrayIcon::EventCode(MAKELPARAM(event, 1)); };
    EXPECT_EQ(code(win32::kWmLButtonDown), 513);
    EXPECT_EQ(code(win32::kWmRButtonDown), 516);
    EXPECT_EQ(code(WM_LBUTTONDBLCLK), 515);
    EXPECT_EQ(code(NIN_KEYSELECT), 513);
    EXPECT_EQ(code(NIN_SELECT), 0);
    EXPECT_EQ(code(WM_CONTEXTMENU), 0);
}

TEST(Win32TrayIconTest, TheModelsRecordNamesTheIconItsTipAndItsEvents) {
    fake::FakeTrayIcon tray;
    NotifyIconData record;
    task::AddTrayIcon(tray, record, 0x1234, 0x5678, "Zelvo ﾂｰﾙ 和風");
    const NOTIFYICONDATAW data = NotifyIconRecord(record, nullptr, WM_APP + 1, nullptr);
    EXPECT_EQ(data.uID, 1U);
    EXPECT_EQ(data.uCallbackMessage, static_cast<UINT>(WM_APP + 1));
    EXPECT_EQ(data.uFlags, win32::kNifMessage | win32::kNifIcon | win32::kNifTip | NIF_SHOWTIP);
    EXPECT_EQ(data.uVersion, static_cast<UINT>(NOTIFYICON_VERSION_4));
    EXPECT_STREQ(data.szTip, L"Zelvo ﾂｰﾙ 和風");
    EXPECT_FALSE(Win32TrayIcon(nullptr, WM_APP + 1, nullptr).Readd());  // nothing added yet
}

// Icon 1 of shell32 (Windows and Wine have one) shows the choice of size.
TEST(Win32TrayIconTest, TheIconIsLoadedAtTheSizeOfTheTraysIcons) {
    const HMODULE shell = ::LoadLibraryExW(
        L"shell32.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    const HICON icon = LoadTrayIcon(shell);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon, &info));
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, ::GetSystemMetrics(SM_CXSMICON));
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    ::DestroyIcon(icon);
    ::FreeLibrary(shell);
    EXPECT_EQ(LoadTrayIcon(::GetModuleHandleW(nullptr)), nullptr);  // no icon of its own
}

}  // namespace
}  // namespace zelvo
