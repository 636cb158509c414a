#include "platform/win32/win32_autostart.h"

#include <gtest/gtest.h>

#include "platform/win32/win32_paths.h"
#include "platform/win32/windows_api.h"

namespace zelvo {
namespace {

std::wstring RunValue() {
    std::wstring text(1024, L'\0');
    DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    ::RegGetValueW(win32::kHkeyCurrentUser, kRunKey, kRunValueName, RRF_RT_REG_SZ, nullptr,
                   text.data(), &size);
    return text.c_str();
}

// The user's own login start is put back afterwards.
TEST(Win32AutostartTest, TheRunValueHoldsTheQuotedProgramWhileEnabled) {
    const Win32Paths paths("C:/Program Files/Zelvo 和風/zelvo.exe");
    Win32Autostart autostart(paths);
    const bool wasEnabled = autostart.IsEnabled();
    const std::wstring before = RunValue();

    EXPECT_TRUE(autostart.Disable());
    EXPECT_FALSE(autostart.IsEnabled());
    EXPECT_TRUE(autostart.Disable());  // nothing there: still done
    EXPECT_TRUE(autostart.Enable());
    EXPECT_TRUE(autostart.IsEnabled());
    EXPECT_EQ(RunValue(), L"\"C:\\Program Files\\Zelvo 和風\\zelvo.exe\"");
    EXPECT_TRUE(autostart.Disable());
    EXPECT_FALSE(autostart.IsEnabled());

    if (wasEnabled) {
        ::RegSetKeyValueW(win32::kHkeyCurrentUser, kRunKey, kRunValueName, win32::kRegSz,
                          before.c_str(),
                          static_cast<DWORD>((before.size() + 1) * sizeof(wchar_t)));
    }
}

}  // namespace
}  // namespace zelvo
