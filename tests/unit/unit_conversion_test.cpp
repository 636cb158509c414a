#include "conversion/unit_conversion.h"

#include <gtest/gtest.h>

#include "conversion/notices.h"
#include "fake/fake_platform.h"

namespace zelvo {
namespace {

// The engine alone, with no window: texts, a density and decimals in, raw and
// rounded results out, failures said through the toolkit.
class UnitConversionTest : public ::testing::Test {
  protected:
    ExpressionEvaluator evaluator;
    fake::FakeToolkit toolkit;
    UnitConversion conversion{evaluator, toolkit};
    std::array<std::string, kUnitBoxCount> boxes{};
};

TEST_F(UnitConversionTest, ConvertsFromTheTextsItIsHanded) {
    boxes[2] = "12";
    conversion.EnteredText = "12";
    ASSERT_TRUE(conversion.ConvertUnits(2, boxes, kDensity72, ""));
    EXPECT_EQ(conversion.text11, "12*0.25");
    EXPECT_EQ(conversion.FormattedResult(1, 2), "3.00");
    EXPECT_EQ(conversion.FormattedResult(2, 1), "12.0");
    EXPECT_EQ(conversion.FormattedResult(5, 1), "8.5");  // 3 mm at 72 ppi
    EXPECT_TRUE(toolkit.messages.empty());

    conversion.ClearResults();
    EXPECT_EQ(conversion.FormattedResult(1, 2), "");
}

TEST_F(UnitConversionTest, FailuresAreSaidAndLeaveNoResults) {
    EXPECT_FALSE(conversion.ConvertUnits(1, boxes, kDensity96, ""));
    ASSERT_EQ(toolkit.messages.size(), 1U);
    EXPECT_EQ(toolkit.messages[0].prompt, notice::kEnterNumber);

    boxes[0] = "1+";
    conversion.EnteredText = "1+";
    EXPECT_FALSE(conversion.ConvertUnits(kExpressionBox, boxes, kDensity96, ""));
    ASSERT_EQ(toolkit.messages.size(), 2U);
    EXPECT_EQ(toolkit.messages[1].prompt, notice::kMalformedExpression);
    EXPECT_EQ(conversion.text2[1], "");
}

}  // namespace
}  // namespace zelvo
