#include <gtest/gtest.h>

#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "fake/typist.h"

namespace zelvo {
namespace {

class ConversionParametersTest : public ::testing::Test {
  protected:
    int PressInDensityBox(int key) {
        dialog.Text5_KeyPress(key);
        return key;
    }

    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
    Form2& dialog = windows.dialog;
    fake::Typist typist{bar};
};

TEST_F(ConversionParametersTest, StartsAt96PpiWithTwoDecimals) {
    EXPECT_EQ(dialog.DensityIndex(), kDensity96);
    EXPECT_FALSE(dialog.Text5.Enabled);
    EXPECT_EQ(dialog.Text5.Text, "0000");
    EXPECT_EQ(dialog.UpDown1.Value, 2);
    EXPECT_EQ(dialog.Frame7.Caption, "Pixel部の設定");
    EXPECT_EQ(dialog.Frame1.Caption, "換算結果は");
    EXPECT_EQ(dialog.Label1.Caption, "まで表示する");
    EXPECT_EQ(dialog.Label9.Caption, "(ppi)");
    EXPECT_EQ(dialog.Option1[2].Caption, "その他");
}

TEST_F(ConversionParametersTest, DensityOptionsFormOneGroup) {
    dialog.SetOption1(kDensityCustom, true);
    EXPECT_FALSE(dialog.Option1[0].Value);
    EXPECT_TRUE(dialog.Option1[2].Value);
    EXPECT_TRUE(dialog.Text5.Enabled);
    EXPECT_EQ(dialog.DensityIndex(), kDensityCustom);

    dialog.Text5.Text = "300";
    dialog.SetOption1(kDensity72, true);
    EXPECT_FALSE(dialog.Option1[2].Value);
    EXPECT_FALSE(dialog.Text5.Enabled);
    EXPECT_EQ(dialog.Text5.Text, "300");
    EXPECT_EQ(dialog.DensityIndex(), kDensity72);

    dialog.SetOption1(kDensity72, false);
    EXPECT_EQ(dialog.DensityIndex(), kDensityNone);
}

TEST_F(ConversionParametersTest, DensityBoxTakesDigitsPointsBackspaceAndEnter) {
    for (const int key : std::initializer_list<int>{'0', '9', '.', 8, 13}) {
        EXPECT_EQ(PressInDensityBox(key), key);
    }
    EXPECT_EQ(fake.toolkit.beeps, 0);
    for (const int key : std::initializer_list<int>{'a', ',', '-', ' ', 1, 3, 22}) {
        EXPECT_EQ(PressInDensityBox(key), 0) << key;
    }
    EXPECT_EQ(fake.toolkit.beeps, 7);
}

TEST_F(ConversionParametersTest, ArrowsReRoundTheBarWithoutConverting) {
    typist.Convert(1, "25.4");
    bar.conversion.Text3 = "untouched";

    dialog.UpDown1.StepDown();
    dialog.UpDown1.StepDown();
    dialog.UpDown1_DownClick();
    EXPECT_EQ(dialog.Label5.Caption, "0.");
    EXPECT_EQ(bar.text1[1].Text, "25.");
    EXPECT_EQ(bar.text1[2].Text, "102.");
    EXPECT_EQ(bar.conversion.Text3, "untouched");

    dialog.UpDown1.Value = 9;
    dialog.UpDown1.StepUp();
    dialog.UpDown1_UpClick();
    EXPECT_EQ(dialog.Label5.Caption, "0.0000000000");
    EXPECT_EQ(bar.text1[3].Text, "72.0166200000");
}

TEST_F(ConversionParametersTest, SampleShowsTheDecimalsWithoutTouchingTheBar) {
    bar.conversion.text2[1] = "25.4";
    dialog.FormatDecimalsSample();
    EXPECT_EQ(dialog.Label5.Caption, "0.00");
    EXPECT_EQ(bar.text1[1].Text, "");
}

TEST_F(ConversionParametersTest, ArrowsStopAtTheEnds) {
    dialog.UpDown1.Value = 10;
    dialog.UpDown1.StepUp();
    EXPECT_EQ(dialog.UpDown1.Value, 10);
    dialog.UpDown1.Value = 0;
    dialog.UpDown1.StepDown();
    EXPECT_EQ(dialog.UpDown1.Value, 0);
}

TEST_F(ConversionParametersTest, DecimalsChangedWhileTypingEmptyEveryUnitBox) {
    typist.Convert(1, "25.4");
    typist.Click(2);
    typist.Type("3");
    dialog.UpDown1.StepUp();
    dialog.UpDown1_UpClick();
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(bar.text1.at(i).Text, "") << i;
    }
}

TEST_F(ConversionParametersTest, DecimalsChangedAfterAFailedConversion) {
    typist.Convert(1, "25.4");
    dialog.SetOption1(kDensityCustom, true);
    dialog.Text5.Text = "";
    typist.Convert(2, "8");
    dialog.UpDown1.StepUp();
    dialog.UpDown1_UpClick();
    EXPECT_EQ(bar.text1[1].Text, "2.000");
    EXPECT_EQ(bar.text1[4].Text, "0.079");
    EXPECT_EQ(bar.text1[5].Text, "");
}

}  // namespace
}  // namespace zelvo
