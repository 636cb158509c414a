#include "platform/eval/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>

#include "platform/eval/expression_evaluator.h"

namespace zelvo {
namespace {

TEST(RenderNumberTest, UsesFifteenSignificantDigitsWithoutTrailingZeros) {
    EXPECT_EQ(RenderNumber(25.4 * 2.8353), "72.01662");
    EXPECT_EQ(RenderNumber(25.4 * 0.0394), "1.00076");
    EXPECT_EQ(RenderNumber(25.4 * 56.7), "1440.18");
    EXPECT_EQ(RenderNumber(11.25 * 56.7), "637.875");
    EXPECT_EQ(RenderNumber(25.4 / 25.4 * 96), "96");
    EXPECT_EQ(RenderNumber(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(RenderNumber(-2.5), "-2.5");
    EXPECT_EQ(RenderNumber(123456789012345.0), "123456789012345");
}

TEST(RenderNumberTest, SwitchesToExponentForVeryLargeAndVerySmallMagnitudes) {
    EXPECT_EQ(RenderNumber(1.5e-05), "1.5E-05");
    EXPECT_EQ(RenderNumber(0.0001), "0.0001");
    EXPECT_EQ(RenderNumber(1e15), "1E+15");
    EXPECT_EQ(RenderNumber(1e20), "1E+20");
    EXPECT_EQ(RenderNumber(-2.5e-300), "-2.5E-300");
}

TEST(RenderNumberTest, NeverRendersNegativeZero) {
    EXPECT_EQ(RenderNumber(-0.0), "0");
    EXPECT_EQ(RenderNumber(0.0), "0");
}

TEST(RenderNumberTest, LargestMagnitudesStayReadable) {
    ExpressionEvaluator evaluator;
    for (const double value : {DBL_MAX, -DBL_MAX, 1.7976931348623155e308}) {
        const std::string text = RenderNumber(value);
        EXPECT_TRUE(evaluator.Eval(text).ok()) << text;
    }
}

// Whatever the value, its text reads back as a value that renders to the same text.
TEST(RenderNumberTest, TextReadsBackToTheSameValue) {
    ExpressionEvaluator evaluator;
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 200'000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (!std::isfinite(value)) {
            continue;
        }
        const std::string text = RenderNumber(value);
        const EvalResult back = evaluator.Eval(text);
        ASSERT_TRUE(back.ok()) << text;
        ASSERT_EQ(RenderNumber(back.value), text);
        if (std::fabs(value) > 1e-300 && std::fabs(value) < 1e300) {
            ASSERT_LE(std::fabs(back.value - value), std::fabs(value) * 1e-14) << text;
        }
    }
}

}  // namespace
}  // namespace zelvo
