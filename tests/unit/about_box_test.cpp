#include <gtest/gtest.h>

#include "about/frm_about.h"
#include "fake/fake_platform.h"

namespace zelvo {
namespace {

const std::string kMsInfo = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
const std::string kLocation = R"(SOFTWARE\Microsoft\Shared Tools Location)";
const std::string kUnavailable = "現時点ではｼｽﾃﾑ情報を使用できません";

class AboutBoxTest : public ::testing::Test {
  protected:
    void ExpectUnavailable() {
        ASSERT_EQ(fake.toolkit.messages.size(), 1U);
        EXPECT_EQ(fake.toolkit.messages[0].prompt, kUnavailable);
        EXPECT_EQ(fake.toolkit.messages[0].icon, MessageIcon::None);
    }

    fake::FakePlatform fake;
    frmAbout about{fake.platform};
};

TEST_F(AboutBoxTest, LoadShowsTitleAndVersion) {
    EXPECT_EQ(about.Caption, "ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(about.lblTitle.Caption, "ｱﾌﾟﾘｹｰｼｮﾝ ﾀｲﾄﾙ");
    about.Form_Load();
    EXPECT_EQ(about.Caption, "Zelvo");
    EXPECT_EQ(about.lblTitle.Caption, "Zelvo");
    EXPECT_EQ(about.lblVersion.Caption, "ﾊﾞｰｼﾞｮﾝ 2.5.0β");
    EXPECT_EQ(about.lblDisclaimer.Caption, "");
    EXPECT_EQ(about.cmdOK.Caption, "OK");
    EXPECT_EQ(about.cmdSysInfo.Caption, "ｼｽﾃﾑ情報(&S)...");
    EXPECT_EQ(VersionText(10, 0, 12), "ﾊﾞｰｼﾞｮﾝ 10.0.12β");
}

TEST_F(AboutBoxTest, TheFirstKeyWinsWithoutLookingFurther) {
    fake.registry.Set(HKEY_LOCAL_MACHINE, kMsInfo, "PATH",
                      {REG_SZ, std::string("/usr/bin/hardinfo\0", 18)});
    about.cmdSysInfo_Click();
    EXPECT_EQ(fake.processLauncher.started, (std::vector<std::string>{"/usr/bin/hardinfo"}));
    EXPECT_EQ(fake.registry.opened, (std::vector<std::string>{kMsInfo}));
    EXPECT_EQ(fake.registry.openHandles, 0);
    EXPECT_TRUE(fake.toolkit.messages.empty());
}

TEST_F(AboutBoxTest, TheSecondKeyNeedsTheToolInItsFolder) {
    fake.registry.Set(HKEY_LOCAL_MACHINE, kLocation, "MSINFO", {REG_SZ, "/opt/tools"});
    about.StartSysInfo();
    ExpectUnavailable();
    EXPECT_TRUE(fake.processLauncher.started.empty());

    fake.toolkit.messages.clear();
    fake.folders.files.insert("/opt/tools/MSINFO32.EXE");
    about.StartSysInfo();
    EXPECT_TRUE(fake.toolkit.messages.empty());
    EXPECT_EQ(fake.processLauncher.started, (std::vector<std::string>{"/opt/tools/MSINFO32.EXE"}));
}

TEST_F(AboutBoxTest, NoToolOrAFailedStartSaySo) {
    about.StartSysInfo();
    ExpectUnavailable();

    fake.toolkit.messages.clear();
    fake.registry.Set(HKEY_LOCAL_MACHINE, kMsInfo, "PATH", {REG_SZ, "/usr/bin/missing"});
    fake.processLauncher.startsWork = false;
    about.StartSysInfo();
    ExpectUnavailable();
}

TEST_F(AboutBoxTest, GetKeyValueReadsTextAndNumbers) {
    fake.registry.Set(HKEY_LOCAL_MACHINE, "K", "text", {REG_SZ, std::string("abc\0", 4)});
    fake.registry.Set(HKEY_LOCAL_MACHINE, "K", "number",
                      {REG_DWORD, std::string("\x10\x02\0\0", 4)});
    fake.registry.Set(HKEY_LOCAL_MACHINE, "K", "small",
                      {REG_DWORD, std::string("\x02\x10\0\0", 4)});
    fake.registry.Set(HKEY_LOCAL_MACHINE, "K", "binary", {3, "xyz"});
    std::string value = "given";
    EXPECT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "K", "text", value));
    EXPECT_EQ(value, "abc");
    EXPECT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "K", "number", value));
    EXPECT_EQ(value, "528");
    EXPECT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "K", "small", value));
    EXPECT_EQ(value, "4098");
    value = "given";
    EXPECT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "K", "binary", value));
    EXPECT_EQ(value, "given");
    EXPECT_FALSE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "K", "none", value));
    EXPECT_EQ(value, "");
    value = "given";
    EXPECT_FALSE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "Nope", "text", value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(fake.registry.openHandles, 0);
}

TEST_F(AboutBoxTest, LongValuesAreCutToTheBuffer) {
    fake.registry.Set(HKEY_LOCAL_MACHINE, "K", "long", {REG_SZ, std::string(5000, 'a')});
    std::string value;
    EXPECT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "K", "long", value));
    EXPECT_EQ(value.size(), 1024U);
}

}  // namespace
}  // namespace zelvo
