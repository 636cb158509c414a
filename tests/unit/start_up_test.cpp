#include <gtest/gtest.h>

#include <algorithm>

#include "control/task.h"
#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "fake/gif_files.h"

namespace zelvo {
namespace {

class StartUpTest : public ::testing::Test {
  protected:
    StartUpTest() { fake.paths.programFolder = folder.path(); }

    std::size_t Position(const std::string& call) const {
        const auto found = std::find(fake.calls.begin(), fake.calls.end(), call);
        return static_cast<std::size_t>(found - fake.calls.begin());
    }
    void StoreSettings(const std::string& text) {
        fake.textFiles.files[folder.path() + "/setting.ini"] = text;
    }

    fake::ProgramFolder folder;
    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
    Form2& dialog = windows.dialog;
};

TEST_F(StartUpTest, StepsComeInTheirOrder) {
    folder.WriteSkin("skin_default");
    bool hookedAtTray = false;
    fake.trayIcon.whenCalled = [&] { hookedAtTray = static_cast<bool>(dialog.PrevWndProc); };
    windows.Start();

    EXPECT_LT(Position("ReadText"), Position("SubFolders"));
    EXPECT_LT(Position("SubFolders"), Position("RegisterHotKey"));
    EXPECT_LT(Position("RegisterHotKey"), Position("AddTrayIcon"));
    EXPECT_LT(Position("AddTrayIcon"), fake.calls.size());
    EXPECT_TRUE(hookedAtTray);  // the hook is in before the tray icon is added
    EXPECT_FALSE(dialog.Visible);
    EXPECT_FALSE(dialog.pulldown2.Visible);
    EXPECT_TRUE(dialog.Combo1.Visible);
    EXPECT_EQ(dialog.Label5.Caption, "0.00");
    EXPECT_TRUE(bar.Visible);
}

TEST_F(StartUpTest, FirstStartCentresTheFactoryBarWithTheDefaultSkin) {
    folder.WriteSkin("skin_default");
    folder.WriteSkin("skin_blue");
    windows.Start();
    EXPECT_EQ(bar.Width, 6740);
    EXPECT_EQ(bar.Top, 11520 / 2 - 525 / 2.0F);
    EXPECT_EQ(dialog.Combo1.SelectedItem(), "skin_default");
    EXPECT_EQ(dialog.Label2.Caption, "skin_default");
    EXPECT_EQ(bar.BorderImg[0].Picture->origin, folder.SkinFile("skin_default", 3).string());
}

TEST_F(StartUpTest, TheStoredSkinWinsOverTheDefault) {
    folder.WriteSkin("skin_default");
    folder.WriteSkin("skin_blue");
    StoreSettings("/SkinPath\r\nskin_blue\r\n");
    windows.Start();
    EXPECT_EQ(dialog.Combo1.SelectedItem(), "skin_blue");
    EXPECT_EQ(bar.topimg.Picture->origin, folder.SkinFile("skin_blue", 1).string());
}

TEST_F(StartUpTest, AStoredSkinThatIsGoneLeavesTheDefault) {
    folder.WriteSkin("skin_default");
    StoreSettings("/SkinPath\r\nskin_gone\r\n");
    windows.Start();
    EXPECT_EQ(dialog.Combo1.SelectedItem(), "skin_default");
    EXPECT_EQ(dialog.Label2.Caption, "skin_default");
}

TEST_F(StartUpTest, WithoutASkinFolderTheBuiltInPicturesShow) {
    std::filesystem::remove_all(folder.SkinFolder(""));
    windows.Start();
    EXPECT_EQ(dialog.Combo1.ListCount(), 0);
    EXPECT_EQ(bar.BorderImg[0].Picture->origin, "builtin:form");
    EXPECT_EQ(bar.topimg.Picture->origin, "builtin:top_modeless");
    EXPECT_TRUE(bar.Visible);
}

TEST_F(StartUpTest, StartingInTheTrayLeavesOnlyTheIcon) {
    StoreSettings("/check1\r\n1\r\n/check2\r\n1\r\n");
    windows.Start();
    EXPECT_FALSE(bar.Visible);
    EXPECT_EQ(fake.trayIcon.calls.size(), 1U);
    EXPECT_EQ(dialog.Check2.Value, 1);  // still on top once it is shown
}

TEST_F(StartUpTest, TheTrayRecordHasNoTip) {
    windows.Start();
    ASSERT_EQ(fake.trayIcon.calls.size(), 1U);
    const NotifyIconData& record = fake.trayIcon.calls[0].second;
    EXPECT_EQ(fake.trayIcon.calls[0].first, NIM_ADD);
    EXPECT_EQ(record.cbSize, 88U);
    EXPECT_EQ(record.uID, 1U);
    EXPECT_EQ(record.uFlags, 7U);
    EXPECT_EQ(record.uCallbackMessage, 0x200U);
    EXPECT_EQ(record.szTip[0], '\0');
    EXPECT_EQ(record.szTip[1], ' ');
    EXPECT_EQ(record.szTip[63], ' ');
}

TEST_F(StartUpTest, NoTrayIsNoObstacle) {
    fake.trayIcon.available = false;
    windows.Start();
    EXPECT_TRUE(bar.Visible);
    EXPECT_TRUE(fake.toolkit.messages.empty());
}

TEST(TrayRecordTest, LongTipsAreCutAndEndInANul) {
    fake::FakeTrayIcon tray;
    NotifyIconData record;
    task::AddTrayIcon(tray, record, 5, 6, std::string(100, 'x'));
    EXPECT_EQ(record.szTip[62], 'x');
    EXPECT_EQ(record.szTip[63], '\0');
    EXPECT_EQ(record.hWnd, 5U);
    EXPECT_EQ(record.hIcon, 6U);
}

// Skins come from several folders: a name is listed once, and the first folder that
// holds it is the one its pictures come from.
TEST_F(StartUpTest, SkinsOfSeveralFoldersListEachNameOnceTheFirstWinning) {
    fake::ProgramFolder user;
    user.WriteSkin("skin_default", 30);
    user.WriteSkin("mine");
    folder.WriteSkin("skin_default");
    folder.WriteSkin("skin_dark");
    fake.paths.skinFolders = {user.path() + "/skin", folder.path() + "/missing",
                              folder.path() + "/skin", user.path() + "/skin"};
    windows.Start();

    EXPECT_EQ(dialog.Combo1.List, (std::vector<std::string>{"mine", "skin_default", "skin_dark"}));
    EXPECT_EQ(dialog.Label2.Caption, "skin_default");
    EXPECT_EQ(bar.BorderImg[0].Width, 450.0F);  // the user's own 30-pixel separators
    EXPECT_EQ(dialog.SkinFolderNamed("skin_dark"), folder.path() + "/skin/skin_dark/");
    EXPECT_EQ(dialog.SkinFolderNamed("gone"), user.path() + "/skin/gone/");
}

}  // namespace
}  // namespace zelvo
