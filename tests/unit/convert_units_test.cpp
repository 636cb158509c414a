#include <gtest/gtest.h>

#include <array>
#include <string>

#include "control/window_set.h"
#include "conversion/notices.h"
#include "fake/fake_platform.h"
#include "fake/typist.h"

namespace zelvo {
namespace {

using Texts = std::array<std::string, 6>;

class ConvertUnitsTest : public ::testing::Test {
  protected:
    Texts UnitBoxes() const {
        Texts texts;
        for (int i = 1; i <= 6; ++i) {
            texts.at(i - 1) = bar.text1.at(i).Text;
        }
        return texts;
    }
    Texts RawResults() const {
        Texts texts;
        for (int i = 1; i <= 6; ++i) {
            texts.at(i - 1) = bar.conversion.text2.at(i);
        }
        return texts;
    }
    void ExpectOneNotice(std::string_view prompt, MessageIcon icon) {
        ASSERT_EQ(fake.toolkit.messages.size(), 1U);
        EXPECT_EQ(fake.toolkit.messages[0].prompt, prompt);
        EXPECT_EQ(fake.toolkit.messages[0].icon, icon);
    }
    void ChooseCustomDensity(const std::string& ppi) {
        dialog.SetOption1(kDensityCustom, true);
        dialog.Text5.Text = ppi;
    }

    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
    Form2& dialog = windows.dialog;
    fake::Typist typist{bar};
};

TEST_F(ConvertUnitsTest, OneInchOfMillimetresAt96Ppi) {
    typist.Convert(1, "25.4");

    EXPECT_EQ(bar.conversion.text11, "25.4*1");
    EXPECT_EQ(bar.conversion.Text3, "25.4");
    EXPECT_EQ(RawResults(), (Texts{"25.4", "101.6", "72.01662", "1.00076", "96", "1440.18"}));
    EXPECT_EQ(UnitBoxes(), (Texts{"25.40", "101.60", "72.02", "1.00", "96.00", "1440.18"}));
    EXPECT_TRUE(fake.toolkit.messages.empty());
}

TEST_F(ConvertUnitsTest, ExpressionWithUnitLetters) {
    typist.Convert(0, "10+5q");

    EXPECT_EQ(bar.conversion.text11, "(10)+(5*0.25)");
    EXPECT_EQ(bar.conversion.Text3, "11.25");
    EXPECT_EQ(UnitBoxes(), (Texts{"11.25", "45.00", "31.90", "0.44", "42.52", "637.88"}));
    EXPECT_EQ(bar.text1[0].Text, "10+5q");
}

TEST_F(ConvertUnitsTest, QuarterMillimetresFromTheOverview) {
    typist.Convert(2, "12");

    EXPECT_EQ(bar.conversion.text11, "12*0.25");
    EXPECT_EQ(bar.conversion.Text3, "3");
    EXPECT_EQ(bar.conversion.text2[2], "12");
    EXPECT_EQ(UnitBoxes(), (Texts{"3.00", "12.00", "8.51", "0.12", "11.34", "170.10"}));
}

TEST_F(ConvertUnitsTest, ExpressionBuilding) {
    typist.Convert(0, "2*(3+4)");
    EXPECT_EQ(bar.conversion.text11, "(2)*((3)+(4))");
    EXPECT_EQ(bar.conversion.Text3, "14");

    typist.Convert(0, "1i");
    EXPECT_EQ(bar.conversion.text11, "(1*25.4)");
    typist.Convert(0, "1I");
    EXPECT_EQ(bar.conversion.text11, "(1*25.4)");

    typist.Convert(0, "1E5");  // E is the pixel letter, not an exponent
    EXPECT_EQ(bar.conversion.text11, "(1*25.4/965)");

    typist.Convert(0, "2m+3p-1t/2");
    EXPECT_EQ(bar.conversion.text11, "(2*1)+(3*0.3527)-(1*0.0176)/(2)");
    EXPECT_TRUE(fake.toolkit.messages.empty());
}

TEST_F(ConvertUnitsTest, SourceBoxKeepsTheEnteredNumber) {
    dialog.UpDown1.Value = 3;
    typist.Convert(4, "1");
    EXPECT_EQ(bar.text1[4].Text, "1.000");

    typist.Convert(0, "1i");
    EXPECT_EQ(bar.text1[4].Text, "1.001");
}

TEST_F(ConvertUnitsTest, EnterWithoutTypingUsesTheLastNonEmptyBox) {
    typist.Convert(1, "25.4");
    typist.Click(3);
    typist.Enter();

    EXPECT_EQ(bar.conversion.text11, "1440.18*0.0176");
    EXPECT_EQ(bar.conversion.EnteredText, "72.02");
    EXPECT_EQ(bar.conversion.text2[3], "72.02");
}

TEST_F(ConvertUnitsTest, PastedTextIsUsedUnchanged) {
    typist.clipboard = "1+2";
    typist.Click(2);
    typist.Key(22);
    typist.Enter();

    EXPECT_EQ(bar.conversion.Text3, "1.5");
    EXPECT_EQ(bar.conversion.text2[2], "1+2");
    EXPECT_EQ(bar.text1[2].Text, "1+2");
    EXPECT_EQ(bar.text1[1].Text, "1.50");
}

TEST_F(ConvertUnitsTest, EmptyInputShowsItsNoticeAndChangesNothing) {
    typist.Convert(1, "25.4");
    const Texts before = UnitBoxes();
    bar.text1[5].SetText({});

    typist.Click(5);
    typist.Enter();

    ExpectOneNotice("数値を入力して下さい", MessageIcon::None);
    EXPECT_EQ(bar.conversion.text2[1], "25.4");
    EXPECT_EQ(bar.text1[1].Text, before[0]);
}

TEST_F(ConvertUnitsTest, NoExpressionShowsTheInformationNotice) {
    bar.conversion.EnteredText = "x";
    bar.ConvertUnits(3);  // every box is empty
    ExpectOneNotice("数値が存在しません", MessageIcon::Information);
    EXPECT_EQ(bar.conversion.text11, "");
}

TEST_F(ConvertUnitsTest, MalformedExpressionShowsTheSyntaxNotice) {
    typist.Convert(0, "-5");  // becomes ()-(5)
    ExpectOneNotice("計算対象文字列に誤りがあります｡\r\n計算を実行できません。", MessageIcon::None);
    EXPECT_EQ(bar.conversion.text11, "()-(5)");
}

TEST_F(ConvertUnitsTest, UncomputableExpressionShowsTheUnknownErrorNotice) {
    typist.Convert(0, "1/0");
    ExpectOneNotice("不明なエラーが発生しました。\r\n処理中止します。", MessageIcon::None);
}

TEST_F(ConvertUnitsTest, NegativeMillimetresCarryIntoTheSecondEvaluations) {
    typist.Convert(0, "1-5");
    EXPECT_EQ(bar.conversion.Text3, "-4");
    EXPECT_EQ(bar.conversion.text2[2], "-16");
    EXPECT_EQ(bar.text1[2].Text, "-16.00");
}

TEST_F(ConvertUnitsTest, FailureKeepsWhatWasWrittenAndLeavesTheBoxes) {
    typist.Convert(1, "25.4");
    ChooseCustomDensity("");
    typist.Convert(2, "8");

    ExpectOneNotice(notice::kMalformedExpression, MessageIcon::None);
    EXPECT_EQ(bar.conversion.text11, "8*0.25");
    EXPECT_EQ(bar.conversion.Text3, "2");
    EXPECT_EQ(RawResults(), (Texts{"2", "8", "5.6706", "0.0788", "", ""}));
    EXPECT_EQ(UnitBoxes(), (Texts{"", "8", "", "", "", ""}));
}

TEST_F(ConvertUnitsTest, CustomDensity) {
    ChooseCustomDensity("300");
    typist.Convert(5, "300");
    EXPECT_EQ(bar.conversion.text11, "300*25.4/300");
    EXPECT_EQ(bar.text1[4].Text, "1.00");

    dialog.SetOption1(kDensity72, true);
    typist.Convert(4, "1");
    EXPECT_EQ(bar.conversion.text2[5], "72");
}

TEST_F(ConvertUnitsTest, CustomDensityOfZeros) {
    ChooseCustomDensity("0000");
    typist.Convert(5, "10");
    ExpectOneNotice(notice::kUnknownError, MessageIcon::None);

    fake.toolkit.messages.clear();
    typist.Convert(1, "10");
    EXPECT_TRUE(fake.toolkit.messages.empty());
    EXPECT_EQ(bar.conversion.text2[5], "0");
}

TEST_F(ConvertUnitsTest, CustomDensityWithTwoPointsFailsEveryConversion) {
    ChooseCustomDensity("9.6.");
    typist.Convert(1, "1");
    ExpectOneNotice(notice::kMalformedExpression, MessageIcon::None);
}

TEST_F(ConvertUnitsTest, NoDensitySelected) {
    dialog.SetOption1(kDensity96, false);
    ASSERT_EQ(dialog.DensityIndex(), kDensityNone);

    typist.Convert(1, "7");
    EXPECT_EQ(bar.conversion.text2[5], "7");  // the pixel box shows the millimetre value

    typist.Convert(5, "7");
    EXPECT_EQ(bar.conversion.text11, "7E");
    ExpectOneNotice(notice::kMalformedExpression, MessageIcon::None);
}

TEST_F(ConvertUnitsTest, DensityChangeWaitsForTheNextConversion) {
    typist.Convert(1, "25.4");
    dialog.SetOption1(kDensity72, true);
    EXPECT_EQ(bar.text1[5].Text, "96.00");
    typist.Convert(1, "25.4");
    EXPECT_EQ(bar.text1[5].Text, "72.00");
}

TEST_F(ConvertUnitsTest, ExponentMillimetresConvert) {
    typist.Convert(1, ".000015");
    EXPECT_EQ(bar.conversion.Text3, "1.5E-05");
    EXPECT_EQ(bar.conversion.text2[2], "6E-05");
    EXPECT_EQ(bar.text1[2].Text, "0.00");
}

}  // namespace
}  // namespace zelvo
