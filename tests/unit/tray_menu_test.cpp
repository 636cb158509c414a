#include <gtest/gtest.h>

#include "control/window_set.h"
#include "fake/fake_platform.h"

namespace zelvo {
namespace {

constexpr float kTwipsPerPixel = 15;

class TrayMenuTest : public ::testing::Test {
  protected:
    TrayMenuTest() {
        fake.paths.programFolder = "/program";
        windows.Start();
        fake.calls.clear();
    }
    // A tray event: its message number arrives as the x of a mouse move.
    void TrayEvent(int code) { dialog.Form_MouseMove(0, 0, code * kTwipsPerPixel, 0); }
    void Choose(const std::string& entry) {
        fake.toolkit.menuChoices = {entry};
        TrayEvent(516);
    }

    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
    Form2& dialog = windows.dialog;
};

TEST_F(TrayMenuTest, EntriesInTheirOrder) {
    TrayEvent(516);
    ASSERT_EQ(fake.toolkit.shownMenus.size(), 1U);
    std::vector<std::string> captions;
    for (const MenuItem& item : fake.toolkit.shownMenus[0]) {
        captions.push_back(item.caption);
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"barを表示", "環境設定",
                                                  "Barの表示位置・サイズを工場出荷時に…", "-",
                                                  "help", "バージョン情報", "-", "ソフトの終了"}));
}

TEST_F(TrayMenuTest, LeftPressShowsTheBarWithoutBringingItForward) {
    bar.Visible = false;
    TrayEvent(513);
    EXPECT_TRUE(bar.Visible);
    EXPECT_EQ(fake.windowOps.broughtForward, 0);
}

TEST_F(TrayMenuTest, OtherEventsAreIgnored) {
    bar.Visible = false;
    for (const int code : {512, 514, 515, 517, 518, 519, 520}) {
        TrayEvent(code);
    }
    EXPECT_FALSE(bar.Visible);
    EXPECT_TRUE(fake.toolkit.shownMenus.empty());
    dialog.Form_MouseMove(0, 0, 513 * kTwipsPerPixel + 7, 0);  // truncated: still 513
    EXPECT_TRUE(bar.Visible);
}

// At densities whose twips per pixel are not whole (7.5 at 192 dpi, 8.57 at 168 dpi,
// 6.67 at 216 dpi) the code still comes through whole.
TEST_F(TrayMenuTest, EventsComeThroughAtEveryDensity) {
    for (const float dotsPerInch : {72.0F, 96.0F, 120.0F, 144.0F, 168.0F, 192.0F, 216.0F, 288.0F}) {
        fake.toolkit.twipsPerPixel = 1440.0F / dotsPerInch;
        bar.Visible = false;
        fake.toolkit.shownMenus.clear();
        dialog.Form_MouseMove(0, 0, 512 * fake.toolkit.twipsPerPixel, 0);
        EXPECT_FALSE(bar.Visible) << dotsPerInch;
        dialog.Form_MouseMove(0, 0, 513 * fake.toolkit.twipsPerPixel, 0);
        EXPECT_TRUE(bar.Visible) << dotsPerInch;
        dialog.Form_MouseMove(0, 0, 516 * fake.toolkit.twipsPerPixel, 0);
        EXPECT_EQ(fake.toolkit.shownMenus.size(), 1U) << dotsPerInch;
    }
}

TEST_F(TrayMenuTest, RightPressOpensTheMenuAndLeavesAHiddenBarHidden) {
    bar.Visible = false;
    TrayEvent(516);
    EXPECT_EQ(fake.toolkit.shownMenus.size(), 1U);
    EXPECT_FALSE(bar.Visible);
}

TEST_F(TrayMenuTest, ShowBarBringsItForward) {
    bar.Visible = false;
    Choose("pulldown2_bar_out");
    EXPECT_TRUE(bar.Visible);
    EXPECT_EQ(fake.windowOps.broughtForward, 1);
}

TEST_F(TrayMenuTest, SettingsOpenFromEitherMenuAndTheCloseBoxOnlyHides) {
    Choose("pulldown2_settei");
    EXPECT_TRUE(dialog.Visible);
    int cancel = 0;
    dialog.Form_QueryUnload(cancel, vbFormControlMenu);
    EXPECT_EQ(cancel, 1);
    EXPECT_FALSE(dialog.Visible);
    EXPECT_TRUE(fake.trayIcon.calls.empty() || fake.trayIcon.calls.back().first == NIM_ADD);

    fake.toolkit.menuChoices = {"pulldown1_kankyosettei"};
    bar.topimg_MouseDown(kRightButton, 0, 0, 0);
    EXPECT_TRUE(dialog.Visible);
    EXPECT_FALSE(dialog.pulldown2.Visible);
}

TEST_F(TrayMenuTest, OtherCloseReasonsDoNothing) {
    int cancel = 0;
    dialog.Form_QueryUnload(cancel, 2);
    EXPECT_EQ(cancel, 0);
    EXPECT_TRUE(static_cast<bool>(dialog.PrevWndProc));
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(TrayMenuTest, FactoryLayoutFromTheTray) {
    bar.Visible = false;
    bar.text1[0].Width = 3000;
    Choose("pulldown2_Bardefault");
    EXPECT_EQ(bar.text1[0].Width, 500);
    EXPECT_TRUE(bar.Visible);
}

TEST_F(TrayMenuTest, HelpOpensTheCompiledHelpWhereTheDesktopHasAViewer) {
    fake.shell.handledTypes = {"application/vnd.ms-htmlhelp"};
    fake.shell.openable = {"/program/help.chm", "/program/help/index.html"};
    Choose("pulldown2_help");
    EXPECT_EQ(fake.shell.opened, (std::vector<std::string>{"/program/help.chm"}));
    EXPECT_TRUE(fake.toolkit.messages.empty());
}

TEST_F(TrayMenuTest, HelpOpensTheHtmlPagesOtherwise) {
    fake.shell.openable = {"/program/help.chm", "/program/help/index.html"};
    Choose("pulldown2_help");
    EXPECT_EQ(fake.shell.opened, (std::vector<std::string>{"/program/help/index.html"}));

    fake.shell.opened.clear();
    fake.shell.handledTypes = {"application/vnd.ms-htmlhelp"};
    fake.shell.openable = {"/program/help/index.html"};  // a viewer, but no compiled file
    Choose("pulldown2_help");
    EXPECT_EQ(fake.shell.opened,
              (std::vector<std::string>{"/program/help.chm", "/program/help/index.html"}));
    EXPECT_TRUE(fake.toolkit.messages.empty());
}

TEST_F(TrayMenuTest, HelpThatCannotBeOpenedSaysWhereItIs) {
    Choose("pulldown2_help");
    ASSERT_EQ(fake.toolkit.messages.size(), 1U);
    EXPECT_EQ(fake.toolkit.messages[0].prompt,
              "ヘルプを開けませんでした。\r\nブラウザーで次のファイルを開いてください。\r\n"
              "/program/help/index.html");
}

TEST_F(TrayMenuTest, VersionShowsTheAboutBoxModally) {
    bool shownWhileModal = false;
    fake.toolkit.whileAboutShown = [&] {
        shownWhileModal = windows.about.Visible;
        windows.about.cmdOK_Click();
    };
    Choose("pulldown2_Version_view");
    EXPECT_EQ(fake.toolkit.aboutBoxes, 1);
    EXPECT_TRUE(shownWhileModal);
    EXPECT_FALSE(windows.about.Visible);
    EXPECT_EQ(windows.about.lblVersion.Caption, "ﾊﾞｰｼﾞｮﾝ 2.5.0β");
}

TEST_F(TrayMenuTest, ExitWritesTheSettingsOnceBeforeTheIconGoes) {
    Choose("pulldown2_exit");
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"WriteText", "DeleteTrayIcon", "Quit"}));
    EXPECT_FALSE(static_cast<bool>(dialog.PrevWndProc));
    EXPECT_EQ(fake.trayIcon.calls.back().first, NIM_DELETE);
    EXPECT_EQ(fake.trayIcon.calls.back().second.uID, 1U);

    fake.toolkit.menuChoices = {"pulldown1_end"};
    bar.topimg_MouseDown(kRightButton, 0, 0, 0);
    EXPECT_EQ(fake.calls.size(), 3U);
}

TEST_F(TrayMenuTest, ExitFromTheBarIsTheSame) {
    fake.toolkit.menuChoices = {"pulldown1_end"};
    bar.topimg_MouseDown(kRightButton, 0, 0, 0);
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"WriteText", "DeleteTrayIcon", "Quit"}));
}

}  // namespace
}  // namespace zelvo
