#include <gtest/gtest.h>

#include "control/window_set.h"
#include "fake/fake_platform.h"

namespace zelvo {
namespace {

const std::string kSettings = "/program/setting.ini";

class ShutDownTest : public ::testing::Test {
  protected:
    ShutDownTest() {
        fake.paths.programFolder = "/program";
        windows.Start();
    }

    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
};

TEST_F(ShutDownTest, EndFromTheBarMenuWritesTheSettingsOnceAndEnds) {
    fake.textFiles.writes = 0;
    fake.toolkit.menuChoices = {"pulldown1_end"};
    windows.bar.topimg_MouseDown(kRightButton, 0, 0, 0);
    EXPECT_EQ(fake.textFiles.writes, 1);
    EXPECT_EQ(fake.textFiles.files.count(kSettings), 1U);
    EXPECT_EQ(fake.folders.made, (std::vector<std::string>{"/program"}));
    EXPECT_EQ(fake.toolkit.quits, 1);
    EXPECT_FALSE(windows.dialog.PrevWndProc);  // the message hook is gone

    windows.dialog.EndProgram();  // a second request changes nothing
    EXPECT_EQ(fake.textFiles.writes, 1);
    EXPECT_EQ(fake.toolkit.quits, 1);
}

TEST_F(ShutDownTest, TheNextStartFindsWhatWasLeft) {
    windows.dialog.UpDown1.Value = 7;
    windows.bar.Left = 1234;
    windows.dialog.EndProgram();

    fake::FakePlatform next;
    next.paths.programFolder = "/program";
    next.textFiles.files = fake.textFiles.files;
    WindowSet again{next.platform};
    again.Start();
    EXPECT_EQ(again.dialog.UpDown1.Value, 7);
    EXPECT_EQ(again.dialog.Label5.Caption, "0.0000000");
    EXPECT_EQ(again.bar.Left, 1234);
    EXPECT_TRUE(again.bar.Visible);
}

// A settings folder that cannot be made is a failed write, said as one.
TEST_F(ShutDownTest, AnUnmadeSettingsFolderIsReported) {
    fake.folders.makingWorks = false;
    fake.textFiles.writes = 0;
    windows.dialog.EndProgram();
    EXPECT_EQ(fake.textFiles.writes, 0);
    ASSERT_EQ(fake.toolkit.messages.size(), 1U);
    EXPECT_EQ(
        fake.toolkit.messages[0].prompt,
        "設定ファイル(setting.ini)を保存できませんでした。\r\n今回の設定は保存されていません。");
}

}  // namespace
}  // namespace zelvo
