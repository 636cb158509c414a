#include "platform/win32/win32_registry.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace zelvo {
namespace {

constexpr std::uint32_t kCurrentUser = 0x80000001;

// Values in a key of the test's own under HKEY_CURRENT_USER, deleted afterwards.
class Win32RegistryTest : public ::testing::Test {
  protected:
    ~Win32RegistryTest() override { ::RegDeleteTreeW(win32::kHkeyCurrentUser, key.c_str()); }

    void Set(const wchar_t* name, DWORD type, const std::wstring& text) {
        ::RegSetKeyValueW(win32::kHkeyCurrentUser, key.c_str(), name, type, text.c_str(),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    std::optional<RegistryValue> Query(const std::string& name, std::size_t size = 1024) {
        const std::uintptr_t handle = registry.OpenKey(kCurrentUser, win32::Narrow(key));
        EXPECT_NE(handle, 0U);
        auto value = registry.QueryValue(handle, name, size);
        registry.CloseKey(handle);
        return value;
    }

    const std::wstring key = L"Software\\ZelvoTest" + std::to_wstring(::GetCurrentProcessId());
    Win32Registry registry;
};

TEST_F(Win32RegistryTest, TextComesAsUtf8WithItsNulAndExpandableTextFilledIn) {
    Set(L"PATH", win32::kRegSz, L"C:\\Program Files\\和風\\MSINFO32.EXE");
    ASSERT_TRUE(::SetEnvironmentVariableW(L"ZELVO_TEST_TOOLS", L"E:\\道具"));
    Set(L"Tool", win32::kRegExpandSz, L"%ZELVO_TEST_TOOLS%\\msinfo32.exe");

    EXPECT_EQ(Query("PATH")->type, REG_SZ);
    EXPECT_EQ(Query("PATH")->data, std::string("C:\\Program Files\\和風\\MSINFO32.EXE") + '\0');
    EXPECT_EQ(Query("Tool")->type, REG_SZ);
    EXPECT_EQ(Query("Tool")->data, std::string("E:\\道具\\msinfo32.exe") + '\0');
    EXPECT_EQ(Query("PATH", 19)->data, "C:\\Program Files\\");  // not half of 和
}

TEST_F(Win32RegistryTest, ANumberComesAsItsBytesAndWhatIsMissingAsNone) {
    const DWORD number = 0x12345678;
    ::RegSetKeyValueW(win32::kHkeyCurrentUser, key.c_str(), L"Number", win32::kRegDword, &number,
                      sizeof number);
    EXPECT_EQ(Query("Number")->type, REG_DWORD);
    EXPECT_EQ(Query("Number")->data, "\x78\x56\x34\x12");
    EXPECT_EQ(Query("Number", 2)->data, "\x78\x56");

    EXPECT_FALSE(Query("Missing").has_value());
    EXPECT_EQ(registry.OpenKey(kCurrentUser, win32::Narrow(key) + "\\Missing"), 0U);
    EXPECT_EQ(registry.OpenKey(0x12345678, "Software"), 0U);
    EXPECT_EQ(registry.OpenKey(0x80000004, ""), 0U);  // performance data is no key
}

}  // namespace
}  // namespace zelvo
