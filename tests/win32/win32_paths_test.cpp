#include "platform/win32/win32_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "fake/gif_files.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"
// After the Windows headers: it needs their types.
#include <sddl.h>

namespace zelvo {
namespace {

using Folders = std::vector<std::string>;

constexpr const char* kUserFolder = "C:/Users/太郎/AppData/Roaming/Zelvo";

void SetRights(const std::string& folder, const wchar_t* rights) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorW(rights, SDDL_REVISION_1,
                                                                       &descriptor, nullptr));
    ::SetFileSecurityW(win32::WindowsPath(folder).c_str(), DACL_SECURITY_INFORMATION, descriptor);
    ::LocalFree(descriptor);
}

// A program in a fresh folder with a made-up environment.
class Win32PathsTest : public ::testing::Test {
  protected:
    Win32Paths Paths() const {
        return Win32Paths(folder.path() + "/zelvo.exe", [this](const char* name) {
            const auto found = environment.find(name);
            return found == environment.end() ? std::nullopt : std::optional(found->second);
        });
    }
    std::filesystem::path InFolder(const std::string& name) const {
        return win32::WindowsPath(folder.path() + "/" + name);
    }

    fake::ProgramFolder folder;
    std::map<std::string, std::string> environment{
        {"APPDATA", "C:\\Users\\太郎\\AppData\\Roaming"}};
};

TEST_F(Win32PathsTest, AnInstalledProgramKeepsItsSettingsAndFirstSkinsInAppData) {
    const Win32Paths paths = Paths();
    EXPECT_FALSE(paths.portable());
    EXPECT_EQ(paths.SettingsFile(), std::string(kUserFolder) + "/setting.ini");
    EXPECT_EQ(paths.SkinFolders(),
              (Folders{std::string(kUserFolder) + "/skin", folder.path() + "/skin"}));
    EXPECT_EQ(paths.HelpFolder(), folder.path());
    EXPECT_EQ(paths.AutostartEntry(), "HKCU/Software/Microsoft/Windows/CurrentVersion/Run/Zelvo");
    EXPECT_EQ(Win32Paths("C:\\Zelvo 2\\zelvo.exe").HelpFolder(), "C:/Zelvo 2");
}

TEST_F(Win32PathsTest, ASettingsFileOrAMarkerBesideTheProgramMakesItPortable) {
    std::ofstream(InFolder("portable")).close();
    const Win32Paths marked = Paths();
    EXPECT_TRUE(marked.portable());
    EXPECT_EQ(marked.SettingsFile(), folder.path() + "/setting.ini");
    EXPECT_EQ(marked.SkinFolders(), (Folders{folder.path() + "/skin"}));
    EXPECT_FALSE(CanCreateFilesIn(folder.path() + "/missing"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(InFolder("")), {}),
              2);  // the check left nothing behind

    std::filesystem::remove(InFolder("portable"));
    std::ofstream(InFolder("setting.ini")) << "/text1\r\n";
    EXPECT_TRUE(Paths().portable());
}

// Windows, and Wine run by a user, keep a right denied on a folder; Wine run by root
// writes there all the same.
TEST_F(Win32PathsTest, APortableProgramInAFolderWithoutNewFilesKeepsItsSettingsInAppData) {
    std::ofstream(InFolder("portable")).close();
    SetRights(folder.path(), L"D:P(D;OICI;0x6;;;WD)(A;OICI;FA;;;WD)");  // no adding files
    const bool writable = CanCreateFilesIn(folder.path());
    const HANDLE probe = ::CreateFileW(InFolder("probe").c_str(), GENERIC_WRITE | DELETE, 0,
                                       nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    const std::string settings = Paths().SettingsFile();
    SetRights(folder.path(), L"D:(A;OICI;FA;;;WD)");
    if (probe != INVALID_HANDLE_VALUE) {
        ::CloseHandle(probe);
        GTEST_SKIP() << "the folder still takes new files (Wine run by root)";
    }
    EXPECT_FALSE(writable);
    EXPECT_EQ(settings, std::string(kUserFolder) + "/setting.ini");
}

TEST(Win32ProcessTest, EnvironmentAndExecutableComeAsUtf8) {
    ASSERT_TRUE(::SetEnvironmentVariableW(L"ZELVO_TEST_名前", L"値"));
    ASSERT_TRUE(::SetEnvironmentVariableW(L"ZELVO_TEST_EMPTY", L""));
    ASSERT_TRUE(::SetEnvironmentVariableW(L"ZELVO_TEST_LONG", std::wstring(1000, L'x').c_str()));
    EXPECT_EQ(ProcessEnvironment("ZELVO_TEST_名前"), "値");
    EXPECT_EQ(ProcessEnvironment("ZELVO_TEST_EMPTY"), "");
    EXPECT_EQ(ProcessEnvironment("ZELVO_TEST_LONG"), std::string(1000, 'x'));
    EXPECT_EQ(ProcessEnvironment("ZELVO_TEST_UNSET"), std::nullopt);
    EXPECT_TRUE(RunningExecutable().ends_with("/zelvo_win32_tests.exe")) << RunningExecutable();
}

}  // namespace
}  // namespace zelvo
