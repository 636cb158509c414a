#include <gtest/gtest.h>

#include <random>
#include <string>

#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "settings/settings_reader.h"
#include "settings/settings_values.h"

namespace zelvo {
namespace {

const std::string kPath = "/program/setting.ini";

class SettingsReaderTest : public ::testing::Test {
  protected:
    void Load(const std::string& text) {
        fake.textFiles.files[kPath] = text;
        LoadSettings(bar, dialog, kPath);
    }
    // Whether the factory fallback ran: boxes 500 wide and the bar centred.
    bool FellBack() const {
        return bar.text1[0].Width == 500 && bar.Width == 6740 && bar.Top == 5760 - 262.5F;
    }

    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
    Form2& dialog = windows.dialog;
};

TEST_F(SettingsReaderTest, WrittenSettingsComeBack) {
    LayoutBar(bar, 500);
    bar.Left = 300;
    bar.Top = 4000;
    bar.text1[2].Width = 160;
    dialog.SetOption1(2, true);
    dialog.Text5.Text = "300";
    dialog.UpDown1.Value = 4;
    dialog.Check1.Value = 1;
    dialog.Check2.Value = 1;
    dialog.hotKeyRecord = {false, true, true, "K"};
    dialog.Label2.Caption = "skin_dark";
    ASSERT_TRUE(bar.KankyouOutPut(kPath));

    fake::FakePlatform other;
    other.textFiles.files = fake.textFiles.files;
    WindowSet restored{other.platform};
    LoadSettings(restored.bar, restored.dialog, kPath);
    EXPECT_EQ(restored.bar.Left, 300);
    EXPECT_EQ(restored.bar.Top, 4000);
    EXPECT_EQ(restored.bar.Width, 6740);
    EXPECT_EQ(restored.bar.Height, 525);
    EXPECT_EQ(restored.bar.text1[2].Width, 160);
    EXPECT_EQ(restored.bar.BottomImg.Left, 6230);
    EXPECT_EQ(restored.dialog.DensityIndex(), 2);
    EXPECT_TRUE(restored.dialog.Text5.Enabled);
    EXPECT_EQ(restored.dialog.Text5.Text, "300");
    EXPECT_EQ(restored.dialog.UpDown1.Value, 4);
    EXPECT_EQ(restored.dialog.Check1.Value, 1);
    EXPECT_EQ(restored.dialog.Check2.Value, 1);
    EXPECT_TRUE(restored.dialog.hotKeyRecord.bCtrl);
    EXPECT_TRUE(restored.dialog.hotKeyRecord.bAlt);
    EXPECT_FALSE(restored.dialog.hotKeyRecord.bShift);
    EXPECT_EQ(restored.dialog.hotKeyRecord.sChar, "K");
    EXPECT_EQ(restored.dialog.Label2.Caption, "skin_dark");
    EXPECT_EQ(other.windowOps.keepAbove, (std::vector<bool>{true}));
}

TEST_F(SettingsReaderTest, MissingFileFallsBackToTheFactoryLayout) {
    LoadSettings(bar, dialog, "/no/such/setting.ini");
    EXPECT_TRUE(FellBack());
    EXPECT_EQ(bar.Height, 525);
    EXPECT_EQ(bar.BottomImg.Left, 6230);
    EXPECT_EQ(dialog.DensityIndex(), 0);
    EXPECT_EQ(dialog.Text5.Text, "0000");
    EXPECT_EQ(dialog.UpDown1.Value, 2);
    EXPECT_FALSE(bar.Visible);
    EXPECT_TRUE(fake.windowOps.keepAbove.empty());
    EXPECT_TRUE(fake.toolkit.messages.empty());
}

TEST_F(SettingsReaderTest, EmptyOrUnrecognisedFilesOnlyRunTheEndStep) {
    bar.Width = 1;
    Load("");
    EXPECT_FALSE(FellBack());
    EXPECT_EQ(bar.Width, 12585);
    EXPECT_EQ(bar.Height, 525);

    Load("hello\r\n/foo\r\n12,3\r\n");
    EXPECT_FALSE(FellBack());
    EXPECT_EQ(bar.text1[0].Width, 1335);
}

TEST_F(SettingsReaderTest, KeyLinesMatchWholeAndCaseSensitive) {
    Load("/UPDOWN\r\n\r\n\r\n5\r\n/Form\r\n1,2,3,4\r\n/check1 \r\n1\r\n");
    EXPECT_EQ(dialog.UpDown1.Value, 5);  // empty lines do not end a section
    EXPECT_EQ(bar.Left, 0);
    EXPECT_EQ(dialog.Check1.Value, 0);
    EXPECT_FALSE(FellBack());

    Load("7\r\n/UPDOWN\r\n3\r\n4\r\n");  // before any key; then two values, the later wins
    EXPECT_EQ(dialog.UpDown1.Value, 4);
}

TEST_F(SettingsReaderTest, AValueWithASlashEndsItsSection) {
    Load("/SkinPath\r\nskins/blue\r\nplain\r\n");
    EXPECT_EQ(dialog.Label2.Caption, "");
    Load("/SkinPath\r\nblue\r\n");
    EXPECT_EQ(dialog.Label2.Caption, "blue");
}

TEST_F(SettingsReaderTest, RectangleListsApplyAsFarAsTheyGo) {
    Load("/text1\r\n10,20,30,40|50,60,70,80\r\n");
    EXPECT_EQ(bar.text1[1].Left, 50);
    EXPECT_EQ(bar.text1[1].Height, 80);
    EXPECT_EQ(bar.text1[2].Left, 3840);
    EXPECT_FALSE(FellBack());

    std::string eight;
    for (int i = 0; i < 8; ++i) {
        eight += (i ? "|" : "") + std::to_string(1000 * i) + ",140,700,270";
    }
    Load("/text1\r\n" + eight + "\r\n");
    EXPECT_EQ(bar.text1[6].Left, 390 + 6 * 890);  // the fallback laid the boxes out again
    EXPECT_TRUE(FellBack());
}

TEST_F(SettingsReaderTest, FieldsApplyOneAfterAnother) {
    Load("/form\r\n100,200,300\r\n");
    EXPECT_EQ(bar.Left, 100);
    EXPECT_TRUE(FellBack());

    bar.Left = 0;
    Load("/form\r\n100,200,x,4\r\n");
    EXPECT_EQ(bar.Left, 100);
    EXPECT_TRUE(FellBack());
}

TEST_F(SettingsReaderTest, DensityLine) {
    Load("/op1\r\nFalse|False|True|120\r\n");
    EXPECT_EQ(dialog.DensityIndex(), 2);
    EXPECT_EQ(dialog.Text5.Text, "120");
    EXPECT_TRUE(dialog.Text5.Enabled);

    Load("/op1\r\nFalse|False|False|96\r\n");
    EXPECT_EQ(dialog.DensityIndex(), 3);
    EXPECT_EQ(dialog.Text5.Text, "96");

    Load("/op1\r\ntrue|0|1\r\n");
    EXPECT_EQ(dialog.DensityIndex(), 2);
    EXPECT_TRUE(FellBack());

    Load("/op1\r\nTrue|False|False|\r\n");
    EXPECT_EQ(dialog.Text5.Text, "");
}

TEST_F(SettingsReaderTest, ConversionsTakeBlanksHalvesToEvenAndBooleanNumbers) {
    Load(
        "/form\r\n 120 , -45.5,6740,525\r\n/UPDOWN\r\n2.5\r\n/check1\r\n0.5\r\n"
        "/HotKey(bShift)\r\n2\r\n/HotKey(bCtrl)\r\nTRUE\r\n/HotKey(bAlt)\r\n0\r\n");
    EXPECT_EQ(bar.Left, 120);
    EXPECT_EQ(bar.Top, -45.5F);
    EXPECT_EQ(dialog.UpDown1.Value, 2);
    EXPECT_EQ(dialog.Check1.Value, 0);
    EXPECT_TRUE(dialog.hotKeyRecord.bShift);
    EXPECT_TRUE(dialog.hotKeyRecord.bCtrl);
    EXPECT_FALSE(dialog.hotKeyRecord.bAlt);
    EXPECT_FALSE(FellBack());

    Load("/UPDOWN\r\n3.5\r\n");
    EXPECT_EQ(dialog.UpDown1.Value, 4);
}

TEST_F(SettingsReaderTest, ValuesTheControlsRefuseAreMalformed) {
    for (const char* file :
         {"/UPDOWN\r\n11\r\n", "/UPDOWN\r\n-1\r\n", "/check1\r\n2\r\n", "/check2\r\n-1\r\n",
          "/TopImg\r\n0,0,-390,495\r\n", "/HotKey(bAlt)\r\nyes\r\n", "/UPDOWN\r\n99999\r\n",
          "/form\r\n1e5,0,0,0\r\n", "/form\r\n0,0,0,4000000000\r\n"}) {
        dialog.UpDown1.Value = 2;
        bar.Top = 0;
        Load(file);
        EXPECT_TRUE(FellBack()) << file;
        EXPECT_EQ(dialog.UpDown1.Value, 2) << file;
    }
}

TEST_F(SettingsReaderTest, HotKeyCharacterIsTheFirstOfTheLine) {
    Load("/HotKey(sChar)\r\nKL\r\n");
    EXPECT_EQ(dialog.hotKeyRecord.sChar, "K");
    Load("/HotKey(sChar)\r\nｱｲ\r\n");
    EXPECT_EQ(dialog.hotKeyRecord.sChar, "ｱ");
}

TEST_F(SettingsReaderTest, EmptySkinNameLeavesTheCaption) {
    dialog.Label2.Caption = "before";
    Load("/SkinPath\r\n\r\n");
    EXPECT_EQ(dialog.Label2.Caption, "before");
}

TEST_F(SettingsReaderTest, TopmostStateIsAppliedAndShowsTheBar) {
    Load("/check2\r\n1\r\n");
    EXPECT_TRUE(bar.Visible);
    EXPECT_EQ(dialog.Check2.Value, 1);
    EXPECT_EQ(fake.windowOps.keepAbove.back(), true);
    EXPECT_EQ(bar.topmostMode.PendingTopmost, 0);

    bar.Visible = false;
    Load("/check2\r\n0\r\n");
    EXPECT_TRUE(bar.Visible);
    EXPECT_EQ(fake.windowOps.keepAbove.back(), false);
}

TEST_F(SettingsReaderTest, AFileCutShortAppliesWhatIsComplete) {
    Load("/UPDOWN\r\n6\r\n/text1\r\n1,2,3,4|5,6");
    EXPECT_EQ(dialog.UpDown1.Value, 6);
    EXPECT_EQ(bar.text1[0].Left, 390);  // laid out again by the fallback
    EXPECT_TRUE(FellBack());

    Load("/UPDOWN\r\n7\r\n/text1\r\n1,2,3,4|5,6,7,8");
    EXPECT_EQ(dialog.UpDown1.Value, 7);
    EXPECT_EQ(bar.text1[1].Left, 5);
    EXPECT_FALSE(FellBack());
}

TEST_F(SettingsReaderTest, LinesEndingInLineFeedAloneAlsoRead) {
    Load("/UPDOWN\n8\n/SkinPath\nblue\n");
    EXPECT_EQ(dialog.UpDown1.Value, 8);
    EXPECT_EQ(dialog.Label2.Caption, "blue");
}

// Whatever the file holds, reading ends with the controls in a state they accept.
TEST_F(SettingsReaderTest, AnyBytesEndInASoundState) {
    LayoutBar(bar, 700);
    bar.Top = 1000;
    ASSERT_TRUE(bar.KankyouOutPut(kPath));
    const std::string good = fake.textFiles.files[kPath];
    std::mt19937 random(8);
    const std::string alphabet = "/|,.-+0123456789 \r\nTrueFalse\xEF\xBF\xBD" + good;
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        switch (round % 3) {
            case 0:
                text = good.substr(0, random() % good.size());
                break;
            case 1:
                text = good;
                for (int flips = 0; flips < 4; ++flips) {
                    text[random() % text.size()] = alphabet[random() % alphabet.size()];
                }
                break;
            default:
                for (int n = static_cast<int>(random() % 200); n > 0; --n) {
                    text += alphabet[random() % alphabet.size()];
                }
        }
        fake::FakePlatform platform;
        platform.textFiles.files[kPath] = text;
        WindowSet fresh{platform.platform};
        LoadSettings(fresh.bar, fresh.dialog, kPath);
        ASSERT_GE(fresh.dialog.UpDown1.Value, 0) << text;
        ASSERT_LE(fresh.dialog.UpDown1.Value, 10) << text;
        ASSERT_TRUE(fresh.dialog.Check1.Value == 0 || fresh.dialog.Check1.Value == 1);
        ASSERT_TRUE(fresh.dialog.Check2.Value == 0 || fresh.dialog.Check2.Value == 1);
        ASSERT_GE(fresh.bar.Width, 0) << text;
        for (const TextBox& box : fresh.bar.text1) {
            ASSERT_GE(box.Width, 0) << text;
            ASSERT_TRUE(std::isfinite(box.Left)) << text;
        }
        ASSERT_TRUE(std::isfinite(fresh.bar.Top));
    }
}

TEST(SettingsValuesTest, Numbers) {
    EXPECT_EQ(ParseNumber("  -12.5 "), -12.5);
    EXPECT_EQ(ParseNumber("+7"), 7);
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber("5."), 5);
    for (const char* text : {"", " ", ".", "-", "1e5", "1,5", "0x10", "1 2", "--1", "nan", "inf"}) {
        EXPECT_FALSE(ParseNumber(text).has_value()) << text;
    }
    EXPECT_FALSE(ParseNumber(std::string(400, '9')).has_value());
    EXPECT_EQ(ParseInteger("32767"), 32767);
    EXPECT_FALSE(ParseInteger("32768").has_value());
    EXPECT_EQ(ParseInteger("-0.5"), 0);
    EXPECT_EQ(ParseBoolean(" false "), false);
    EXPECT_EQ(ParseBoolean("-1"), true);
    EXPECT_FALSE(ParseBoolean("Truee").has_value());
}

}  // namespace
}  // namespace zelvo
