#include "platform/posix/posix_autostart.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fake/fake_platform.h"
#include "fake/gif_files.h"

namespace zelvo {
namespace {

class PosixAutostartTest : public ::testing::Test {
  protected:
    PosixAutostartTest() { paths.entry = folder.path() + "/config/autostart/zelvo.desktop"; }

    struct Paths final : fake::FakePaths {
        std::string AutostartEntry() const override { return entry; }
        std::string Executable() const override { return "/usr/bin/zelvo"; }
        std::string entry;
    };
    std::string Entry() const {
        std::ifstream file(paths.entry);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    fake::ProgramFolder folder;
    Paths paths;
    PosixAutostart autostart{paths};
};

TEST_F(PosixAutostartTest, EnablingWritesAnEntryThatWaitsForThePanel) {
    EXPECT_FALSE(autostart.IsEnabled());
    ASSERT_TRUE(autostart.Enable());
    EXPECT_TRUE(autostart.IsEnabled());
    const std::string entry = Entry();
    EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0U);
    for (const char* line :
         {"\nType=Application\n", "\nExec=/usr/bin/zelvo\n", "\nX-GNOME-Autostart-Delay=3\n",
          "\nX-KDE-autostart-after=panel\n", "\nX-LXQt-Need-Tray=true\n", "\nIcon=zelvo\n"}) {
        EXPECT_NE(entry.find(line), std::string::npos) << line;
    }
    ASSERT_TRUE(autostart.Enable());  // again: the same single entry
    EXPECT_EQ(Entry(), entry);

    ASSERT_TRUE(autostart.Disable());
    EXPECT_FALSE(autostart.IsEnabled());
    EXPECT_TRUE(autostart.Disable());  // nothing there: nothing to do
}

TEST_F(PosixAutostartTest, AFolderThatCannotBeMadeIsAFailure) {
    std::ofstream(folder.path() + "/config");  // a file where the folder should be
    EXPECT_FALSE(autostart.Enable());
    EXPECT_FALSE(autostart.IsEnabled());
}

TEST_F(PosixAutostartTest, ExecQuotesWhatTheDesktopWouldSplitOrExpand) {
    EXPECT_EQ(DesktopExecValue("/usr/bin/zelvo"), "/usr/bin/zelvo");
    EXPECT_EQ(DesktopExecValue("/home/a b/zelvo"), "\"/home/a b/zelvo\"");
    EXPECT_EQ(DesktopExecValue("/opt/100%/zelvo"), "/opt/100%%/zelvo");
    EXPECT_EQ(DesktopExecValue("/x/$HOME\"q`/z"), "\"/x/\\\\$HOME\\\\\"q\\\\`/z\"");
    EXPECT_EQ(DesktopExecValue("/x\\y/z"), "\"/x\\\\\\\\y/z\"");
}

}  // namespace
}  // namespace zelvo
