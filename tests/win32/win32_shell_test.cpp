#include "platform/win32/win32_shell.h"

#include <gtest/gtest.h>

#include <tlhelp32.h>

#include <filesystem>

#include "fake/gif_files.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_process_launcher.h"

namespace zelvo {
namespace {

// Windows and Wine both bring the compiled help viewer (hh.exe).
TEST(Win32ShellTest, TheCompiledHelpHasAViewerAndMissingDocumentsDoNotOpen) {
    Win32Shell shell;
    EXPECT_TRUE(shell.HasHandlerFor("application/vnd.ms-htmlhelp"));
    EXPECT_FALSE(shell.HasHandlerFor("application/x-zelvo"));
    EXPECT_FALSE(shell.OpenDocument(fake::ProgramFolder().path() + "/help.chm"));
}

// Ends the processes running the program file `name`, so that none outlives the test
// (and keeps its output open); how many there were.
int EndProcessesNamed(const std::wstring& name) {
    int ended = 0;
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more;
         more = ::Process32NextW(snapshot, &entry)) {
        if (::lstrcmpiW(entry.szExeFile, name.c_str()) != 0) {
            continue;
        }
        if (HANDLE process = ::OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID)) {
            ::TerminateProcess(process, 0);
            ::CloseHandle(process);
            ++ended;
        }
    }
    ::CloseHandle(snapshot);
    return ended;
}

TEST(Win32ProcessLauncherTest, StartsAProgramInAFolderWithSpacesAndRefusesWhatIsNone) {
    const fake::ProgramFolder folder;
    const std::string tools = folder.path() + "/システム 情報";
    std::filesystem::create_directory(win32::Widen(tools));
    wchar_t system[MAX_PATH] = {};
    ::GetSystemDirectoryW(system, MAX_PATH);
    ASSERT_TRUE(::CopyFileW((std::wstring(system) + L"\\hostname.exe").c_str(),
                            win32::WindowsPath(tools + "/MSINFO32.EXE").c_str(), TRUE));

    Win32ProcessLauncher launcher;
    EXPECT_TRUE(launcher.StartDetached(tools + "/MSINFO32.EXE"));
    EndProcessesNamed(L"MSINFO32.EXE");
    EXPECT_FALSE(launcher.StartDetached(tools + "/missing.exe"));
    EXPECT_FALSE(launcher.StartDetached(tools));
}

}  // namespace
}  // namespace zelvo
