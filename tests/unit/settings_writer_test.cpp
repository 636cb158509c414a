#include <gtest/gtest.h>

#include <string>

#include "control/window_set.h"
#include "conversion/notices.h"
#include "fake/fake_platform.h"
#include "settings/settings_values.h"

namespace zelvo {
namespace {

const std::string kPath = "/program/setting.ini";

class SettingsWriterTest : public ::testing::Test {
  protected:
    std::string Written() {
        EXPECT_TRUE(bar.KankyouOutPut(kPath));
        return fake.textFiles.files[kPath];
    }

    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
    Form2& dialog = windows.dialog;
};

TEST_F(SettingsWriterTest, FactoryLayoutFileComesOutByteForByte) {
    LayoutBar(bar, 500);
    bar.Left = 0;
    bar.Top = 5497.5F;
    EXPECT_EQ(Written(),
              "/text1\r\n"
              "390,140,500,270|1280,140,500,270|2170,140,500,270|3060,140,500,270|"
              "3950,140,500,270|4840,140,500,270|5730,140,500,270\r\n"
              "/BorderImg\r\n"
              "890,0,390,495|1780,0,390,495|2670,0,390,495|3560,0,390,495|4450,0,390,495|"
              "5340,0,390,495\r\n"
              "/form\r\n0,5497.5,6740,525\r\n"
              "/BottomImg\r\n6230,0,510,495\r\n"
              "/TopImg\r\n0,0,390,495\r\n"
              "/op1\r\nTrue|False|False|0000\r\n"
              "/UPDOWN\r\n2\r\n"
              "/check1\r\n0\r\n"
              "/check2\r\n0\r\n"
              "/HotKey(bShift)\r\nFalse\r\n"
              "/HotKey(bCtrl)\r\nFalse\r\n"
              "/HotKey(bAlt)\r\nFalse\r\n"
              "/HotKey(sChar)\r\n" +
                  std::string(1, '\0') +
                  "\r\n"
                  "/SkinPath\r\n\r\n"
                  "\r\n");
}

TEST_F(SettingsWriterTest, WritesTheDialogAndTheHotKey) {
    dialog.SetOption1(2, true);
    dialog.Text5.Text = "300";
    dialog.UpDown1.Value = 10;
    dialog.Check1.Value = 1;
    dialog.Check2.Value = 1;
    dialog.hotKeyRecord.bCtrl = true;
    dialog.hotKeyRecord.bAlt = true;
    dialog.hotKeyRecord.sChar = "K";
    dialog.Label2.Caption = "skin_さくら";
    const std::string text = Written();
    EXPECT_NE(text.find("/op1\r\nFalse|False|True|300\r\n"), std::string::npos);
    EXPECT_NE(text.find("/UPDOWN\r\n10\r\n/check1\r\n1\r\n/check2\r\n1\r\n"), std::string::npos);
    EXPECT_NE(text.find("/HotKey(bShift)\r\nFalse\r\n/HotKey(bCtrl)\r\nTrue\r\n"
                        "/HotKey(bAlt)\r\nTrue\r\n/HotKey(sChar)\r\nK\r\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("/SkinPath\r\nskin_さくら\r\n\r\n"));
}

TEST_F(SettingsWriterTest, AFailedWriteIsReportedWhenTheBarUnloads) {
    fake.paths.programFolder = "/program";
    fake.textFiles.failWrites = true;
    bar.Form_Unload();
    ASSERT_EQ(fake.toolkit.messages.size(), 1U);
    EXPECT_EQ(fake.toolkit.messages[0].prompt, notice::kSettingsNotSaved);

    fake.textFiles.failWrites = false;
    fake.toolkit.messages.clear();
    bar.Form_Unload();
    EXPECT_TRUE(fake.toolkit.messages.empty());
    EXPECT_EQ(fake.textFiles.files.count(kPath), 1U);
}

// A skin folder named with characters the file's code page lacks: the user hears which
// before the file is written, with them as "?", and the rest of the settings kept.
TEST_F(SettingsWriterTest, CharactersTheFileCannotHoldAreNamedAndTheFileIsStillWritten) {
    fake.paths.programFolder = "/program";
    fake.textFiles.unwritable = {"한", "😀"};
    dialog.Label2.Caption = "skin_한😀한";
    bar.Form_Unload();
    ASSERT_EQ(fake.toolkit.messages.size(), 1U);
    EXPECT_EQ(fake.toolkit.messages[0].prompt,
              std::string(notice::kSettingsCharactersLost) + "한😀");
    EXPECT_EQ(fake.textFiles.writes, 1);

    dialog.Label2.Caption = "skin_和風";
    fake.toolkit.messages.clear();
    bar.Form_Unload();
    EXPECT_TRUE(fake.toolkit.messages.empty());
}

TEST(SingleTextTest, WritesAtMostSevenSignificantDigitsWithoutExponent) {
    EXPECT_EQ(SingleText(12585), "12585");
    EXPECT_EQ(SingleText(5512.5F), "5512.5");
    EXPECT_EQ(SingleText(-15), "-15");
    EXPECT_EQ(SingleText(0.1F), "0.1");
    EXPECT_EQ(SingleText(1234567.8F), "1234568");
    EXPECT_EQ(SingleText(57602), "57602");
    EXPECT_EQ(SingleText(123456789), "123456800");
    EXPECT_EQ(SingleText(1e-7F), "0.0000001");
    EXPECT_EQ(SingleText(-0.0F), "0");
    EXPECT_EQ(SingleText(2.0F / 3.0F), "0.6666667");
}

TEST(SingleTextTest, EveryWrittenNumberReadsBack) {
    for (const float value : {12585.0F, 5512.5F, -2.25F, 0.1F, 1e9F, 1234567.8F, 3.0e-5F}) {
        const auto back = ParseNumber(SingleText(value));
        ASSERT_TRUE(back.has_value()) << value;
        EXPECT_EQ(SingleText(static_cast<float>(*back)), SingleText(value));
    }
}

}  // namespace
}  // namespace zelvo
