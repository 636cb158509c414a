#include "session/length_query.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/window_set.h"
#include "conversion/notices.h"
#include "fake/fake_platform.h"
#include "fake/typist.h"

namespace zelvo {
namespace {

ConversionChoice Choice(int decimals, int densityIndex, std::string customDensity = "0000") {
    return {decimals, densityIndex, std::move(customDensity)};
}

// The six values of an answer, in the bar's order, one blank between them.
std::string Values(const LengthAnswer& answer) {
    std::string values;
    for (const LengthResult& result : answer.results) {
        values += (values.empty() ? "" : " ") + result.value;
    }
    return values;
}

TEST(ConvertLengthTest, WorkedExpressionsAtTwoAndThreeDecimals) {
    const LengthAnswer inch = ConvertLength("25.4", Choice(2, kDensity96));
    ASSERT_TRUE(inch.ok());
    ASSERT_EQ(inch.results.size(), 6U);
    const std::vector<std::string> units = {"mm", "Q", "pt", "in", "px", "twip"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(inch.results[i].box, i + 1);
        EXPECT_EQ(inch.results[i].unit, units[i]);
    }
    EXPECT_EQ(Values(inch), "25.40 101.60 72.02 1.00 96.00 1440.18");

    EXPECT_EQ(Values(ConvertLength("10+5q", Choice(2, kDensity96))),
              "11.25 45.00 31.90 0.44 42.52 637.88");
    EXPECT_EQ(Values(ConvertLength("10+5q", Choice(3, kDensity96))),
              "11.250 45.000 31.897 0.443 42.520 637.875");
    EXPECT_EQ(Values(ConvertLength("12Q", Choice(2, kDensity96))),
              "3.00 12.00 8.51 0.12 11.34 170.10");
    // An inch typed in the expression box comes back through *0.0394.
    EXPECT_EQ(Values(ConvertLength("1i", Choice(3, kDensity96))),
              "25.400 101.600 72.017 1.001 96.000 1440.180");
    EXPECT_EQ(Values(ConvertLength("12.5", Choice(0, kDensity96))), "13. 50. 35. 0. 47. 709.");
}

TEST(ConvertLengthTest, PixelsAtEachDensity) {
    EXPECT_EQ(ConvertLength("10+5q", Choice(2, kDensity72)).results[4].value, "31.89");
    EXPECT_EQ(ConvertLength("25.4", Choice(2, kDensityCustom, "150")).results[4].value, "150.00");
    EXPECT_EQ(Values(ConvertLength("96px", Choice(2, kDensity72))),
              "33.87 135.47 96.02 1.33 96.00 1920.24");
    EXPECT_EQ(Values(ConvertLength("300px", Choice(3, kDensityCustom, "300"))),
              "25.400 101.600 72.017 1.001 300.000 1440.180");
    // The initial custom text 0000 turns every length into no pixels.
    EXPECT_EQ(ConvertLength("5mm", Choice(2, kDensityCustom)).results[4].value, "0.00");
    // With no density chosen the pixel box shows the millimetres.
    EXPECT_EQ(ConvertLength("5mm", Choice(2, kDensityNone)).results[4].value, "5.00");
}

TEST(ConvertLengthTest, UnitWordsMeanTheirUnitAndNotTheirLetters) {
    const ConversionChoice choice = Choice(2, kDensity96);
    EXPECT_EQ(Values(ConvertLength("10pt", choice)), "3.53 14.11 10.00 0.14 13.33 199.98");
    for (const char* tenPoints : {"10PT", "10 point", "10 Points", "10ポイント", "１０ｐｔ"}) {
        EXPECT_EQ(Values(ConvertLength(tenPoints, choice)), "3.53 14.11 10.00 0.14 13.33 199.98")
            << tenPoints;
    }
    const std::string oneInch = "25.40 101.60 72.02 1.00 96.00 1440.18";
    for (const char* inch : {"1in", "1 inch", "1\"", "1インチ", "1吋", "96px", "96 pixels",
                             "96ピクセル", "25.4mm", "25.4ミリ", "101.6q", "101.6級"}) {
        EXPECT_EQ(Values(ConvertLength(inch, choice)), oneInch) << inch;
    }
    EXPECT_EQ(ConvertLength("1440twip", choice).results[5].value, "1437.00");
    EXPECT_EQ(ConvertLength("1440 ツイップ", choice).results[5].value, "1437.00");
    EXPECT_EQ(Values(ConvertLength("10mm+5q", choice)), "11.25 45.00 31.90 0.44 42.52 637.88");
}

// Whatever the expression box takes converts here exactly as on the bar, notices
// included; the words only replace their letters before it.
TEST(ConvertLengthTest, TheBarShowsTheSameForTheSameInput) {
    struct Case {
        std::string bar;
        std::string text;
        ConversionChoice choice;
    };
    const std::vector<Case> cases = {
        {"25.4", "25.4", Choice(2, kDensity96)},
        {"10+5q", "10+5q", Choice(3, kDensity72)},
        {"3*2.8353", "3*2.8353", Choice(10, kDensity96)},
        {"(1-5)*2t", "(1-5)*2t", Choice(2, kDensity96)},
        {"1e5", "1e5", Choice(1, kDensity96)},
        {"7e", "7e", Choice(2, kDensityCustom, "120.5")},
        {"7e", "7e", Choice(2, kDensityNone)},
        {"7e", "7 pixel", Choice(2, kDensityCustom, "")},
        {"7e", "7px", Choice(2, kDensityCustom, "0000")},
        {"10P", "10pt", Choice(2, kDensity96)},
        {"12q", "12級", Choice(0, kDensity96)},
        {"1i", "1 inch", Choice(3, kDensity72)},
        {"1/0", "1/0", Choice(2, kDensity96)},
        {"0/0", "0/0", Choice(2, kDensity96)},
        {"-5", "-5mm", Choice(2, kDensity96)},
        {"1++", "1++", Choice(2, kDensity96)},
        {"", "", Choice(2, kDensity96)},
    };
    for (const Case& c : cases) {
        fake::FakePlatform fake;
        WindowSet windows{fake.platform};
        windows.dialog.SetOption1(0, false);
        if (c.choice.densityIndex != kDensityNone) {
            windows.dialog.SetOption1(c.choice.densityIndex, true);
        }
        windows.dialog.Text5.Text = c.choice.customDensity;
        windows.dialog.UpDown1.Value = c.choice.decimals;
        fake::Typist typist{windows.bar};
        typist.Convert(kExpressionBox, c.bar);

        const LengthAnswer answer = ConvertLength(c.text, c.choice);
        if (fake.toolkit.messages.empty()) {
            ASSERT_TRUE(answer.ok()) << c.text << ": " << answer.message;
            for (const LengthResult& result : answer.results) {
                EXPECT_EQ(result.value, windows.bar.text1.at(result.box).Text) << c.text;
            }
        } else {
            EXPECT_TRUE(answer.results.empty()) << c.text;
            EXPECT_EQ(answer.message, fake.toolkit.messages.back().prompt) << c.text;
        }
    }
}

TEST(ConvertLengthTest, EveryFailureGivesTheNoticeOfTheBar) {
    const ConversionChoice choice = Choice(2, kDensity96);
    EXPECT_EQ(ConvertLength("", choice).message, notice::kEnterNumber);
    EXPECT_EQ(ConvertLength(" \t　", choice).message, notice::kEnterNumber);
    for (const char* malformed : {"1+", "()", "1..2", "(1", "abc", "-5mm", "10 20", "5kg"}) {
        EXPECT_EQ(ConvertLength(malformed, choice).message, notice::kMalformedExpression)
            << malformed;
    }
    EXPECT_EQ(ConvertLength("1/0", choice).message, notice::kUnknownError);
    EXPECT_EQ(ConvertLength("0/0q", choice).message, notice::kUnknownError);
    // A custom density of 0000 divides a pixel input by zero; an empty one leaves the
    // pixel suffix without its number.
    EXPECT_EQ(ConvertLength("5px", Choice(2, kDensityCustom)).message, notice::kUnknownError);
    EXPECT_EQ(ConvertLength("5mm", Choice(2, kDensityCustom, "")).message,
              notice::kMalformedExpression);
    EXPECT_EQ(ConvertLength("5px", Choice(2, kDensityNone)).message, notice::kMalformedExpression);
    EXPECT_FALSE(ConvertLength("1/0", choice).ok());
    EXPECT_TRUE(ConvertLength("1/0", choice).results.empty());
}

TEST(ConvertLengthTest, TheUnitTypedIsOneNumberWithOneUnit) {
    const ConversionChoice choice = Choice(2, kDensity96);
    EXPECT_EQ(ConvertLength("12q", choice).typedBox, 2);
    EXPECT_EQ(ConvertLength(" 1 inch ", choice).typedBox, 4);
    EXPECT_EQ(ConvertLength("10pt", choice).typedBox, 3);
    EXPECT_EQ(ConvertLength("25.4mm", choice).typedBox, 1);
    EXPECT_EQ(ConvertLength("96ピクセル", choice).typedBox, 5);
    EXPECT_EQ(ConvertLength("1440T", choice).typedBox, 6);
    for (const char* none : {"25.4", "10+5q", "10q+5q", "5qq", "1e5", "(12q)", "1.2.3q"}) {
        EXPECT_EQ(ConvertLength(none, choice).typedBox, 0) << none;
    }
}

}  // namespace
}  // namespace zelvo
