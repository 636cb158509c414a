#include "settings/stored_conversion_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "settings/settings_reader.h"

namespace zelvo {
namespace {

const std::string kPath = "/config/zelvo/setting.ini";

TEST(StoredConversionChoiceTest, NoFileGivesTheDialogsInitialChoice) {
    fake::FakeTextFiles files;
    const ConversionChoice choice = StoredConversionChoice(files, kPath);
    EXPECT_EQ(choice.decimals, 2);
    EXPECT_EQ(choice.densityIndex, kDensity96);
    EXPECT_EQ(choice.customDensity, "0000");
    EXPECT_EQ(files.writes, 0);

    // The same as a settings dialog that has read nothing.
    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    EXPECT_EQ(windows.dialog.UpDown1.Value, choice.decimals);
    EXPECT_EQ(windows.dialog.DensityIndex(), choice.densityIndex);
    EXPECT_EQ(windows.dialog.Text5.Text, choice.customDensity);
}

TEST(StoredConversionChoiceTest, WhatTheBarWroteIsReadAndNothingIsWritten) {
    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    windows.dialog.SetOption1(kDensityCustom, true);
    windows.dialog.Text5.Text = "１２０";
    windows.dialog.UpDown1.Value = 4;
    ASSERT_TRUE(windows.bar.KankyouOutPut(kPath));
    const int writes = fake.textFiles.writes;

    const ConversionChoice choice = StoredConversionChoice(fake.textFiles, kPath);
    EXPECT_EQ(choice.decimals, 4);
    EXPECT_EQ(choice.densityIndex, kDensityCustom);
    EXPECT_EQ(choice.customDensity, "１２０");
    EXPECT_EQ(fake.textFiles.writes, writes);
}

// Read as the bar reads: where a value is malformed the bar stops, keeps what it had
// read, and starts with it; so does this reading.
TEST(StoredConversionChoiceTest, StopsWhereTheBarsReaderStops) {
    const std::string density = "/op1\r\nFalse|True|False|150\r\n";
    const std::string decimals = "/UPDOWN\r\n5\r\n";
    const std::vector<std::string> texts = {
        "",
        density + decimals,
        "/op1\nFalse|False|True|300\n/UPDOWN\n0\n",
        "/form\r\n1,2,3\r\n" + density + decimals,
        "/form\r\n1,2,3,-4\r\n" + density,
        "/text1\r\n1,2,3,4|1,2,3,4|1,2,3,4|1,2,3,4|1,2,3,4|1,2,3,4|1,2,3,4|1,2,3,4\r\n" + density,
        "/text1\r\n1,2,3,4|1,2,3,4\r\n" + density,
        "/BorderImg\r\n1,2,3,4|1,2,3,4|1,2,3,4|1,2,3,4|1,2,3,4|1,2,3,4|1,2,3,4\r\n" + decimals,
        "/TopImg\r\nx,2,3,4\r\n" + decimals,
        "/BottomImg\r\n1e3,2,3,4\r\n" + decimals,
        density + "/check1\r\n2\r\n" + decimals,
        density + "/check2\r\n1\r\n" + decimals,
        "/HotKey(bCtrl)\r\nmaybe\r\n" + density,
        "/HotKey(bAlt)\r\n1\r\n/HotKey(sChar)\r\nKK\r\n/SkinPath\r\n和風\r\n" + density + decimals,
        "/op1\r\nFalse|False|True\r\n" + decimals,
        "/op1\r\nFalse|False|False|96\r\n" + decimals,
        "/op1\r\nTrue|x|True|96\r\n" + decimals,
        "/op1\r\nFalse|False|True|1\r\nTrue|False|False|2\r\n",
        "/UPDOWN\r\n11\r\n" + density,
        "/UPDOWN\r\n-1\r\n",
        "/UPDOWN\r\n2.5\r\n",
        "/UPDOWN\r\n3\r\n/UPDOWN\r\n7\r\n",
        "/UPDOWN\r\n3\r\n/foo\r\n8\r\n",
        "/UPDOWN\r\n3\r\n4/5\r\n6\r\n",
        "9\r\n/UPDOWN\r\n\r\n\r\n1\r\n",
        "/updown\r\n4\r\n",
    };
    for (const std::string& text : texts) {
        fake::FakePlatform fake;
        WindowSet windows{fake.platform};
        fake.textFiles.files[kPath] = text;
        LoadSettings(windows.bar, windows.dialog, kPath);

        const ConversionChoice choice = ConversionChoiceFromSettings(text);
        EXPECT_EQ(choice.decimals, windows.dialog.UpDown1.Value) << text;
        EXPECT_EQ(choice.densityIndex, windows.dialog.DensityIndex()) << text;
        EXPECT_EQ(choice.customDensity, windows.dialog.Text5.Text) << text;
    }
}

TEST(StoredConversionChoiceTest, ReadsTheDensityAndTheDecimals) {
    ConversionChoice choice = ConversionChoiceFromSettings("/op1\nFalse|True|False|150\n");
    EXPECT_EQ(choice.densityIndex, kDensity72);
    EXPECT_EQ(choice.customDensity, "150");
    EXPECT_EQ(choice.decimals, 2);

    choice = ConversionChoiceFromSettings("/op1\r\nFalse|False|False|96\r\n/UPDOWN\r\n10\r\n");
    EXPECT_EQ(choice.densityIndex, kDensityNone);
    EXPECT_EQ(choice.decimals, 10);

    // The third choice is taken before the line turns out short.
    choice = ConversionChoiceFromSettings("/op1\r\nFalse|False|True\r\n/UPDOWN\r\n5\r\n");
    EXPECT_EQ(choice.densityIndex, kDensityCustom);
    EXPECT_EQ(choice.customDensity, "0000");
    EXPECT_EQ(choice.decimals, 2);
}

}  // namespace
}  // namespace zelvo
