#include "platform/eval/expression_evaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zelvo {
namespace {

class ExpressionEvaluatorTest : public ::testing::Test {
  protected:
    double Value(std::string_view text) {
        const EvalResult result = evaluator.Eval(text);
        EXPECT_TRUE(result.ok()) << text << " failed with " << result.error;
        return result.value;
    }
    int Error(std::string_view text) { return evaluator.Eval(text).error; }

    ExpressionEvaluator evaluator;
};

TEST_F(ExpressionEvaluatorTest, AcceptsEveryNumberForm) {
    EXPECT_EQ(Value("12"), 12.0);
    EXPECT_EQ(Value("12.5"), 12.5);
    EXPECT_EQ(Value("12."), 12.0);
    EXPECT_EQ(Value(".5"), 0.5);
    EXPECT_EQ(Value("1.5E-05"), 1.5e-05);
    EXPECT_EQ(Value("1E+20"), 1e20);
    EXPECT_EQ(Value("2e3"), 2000.0);
    EXPECT_EQ(Value("007"), 7.0);
}

TEST_F(ExpressionEvaluatorTest, AppliesPrecedenceAndLeftAssociativity) {
    EXPECT_EQ(Value("2+3*4"), 14.0);
    EXPECT_EQ(Value("(2+3)*4"), 20.0);
    EXPECT_EQ(Value("10-4-3"), 3.0);
    EXPECT_EQ(Value("64/4/2"), 8.0);
    EXPECT_EQ(Value("1/4"), 0.25);
    EXPECT_EQ(Value("7-2*3+8/4"), 3.0);
}

TEST_F(ExpressionEvaluatorTest, AcceptsUnarySignsBeforeNumbersAndParentheses) {
    EXPECT_EQ(Value("-4*4"), -16.0);
    EXPECT_EQ(Value("+4"), 4.0);
    EXPECT_EQ(Value("-(2+3)"), -5.0);
    EXPECT_EQ(Value("2*-3"), -6.0);
    EXPECT_EQ(Value("2--3"), 5.0);
    EXPECT_EQ(Value("-1.5E-05*4"), -6e-05);
}

TEST_F(ExpressionEvaluatorTest, AllowsBlanksBetweenTokens) {
    EXPECT_EQ(Value(" ( 1 + 2 ) *\t3 "), 9.0);
}

TEST_F(ExpressionEvaluatorTest, EvaluatesTheConversionsExpressions) {
    EXPECT_DOUBLE_EQ(Value("(10)+(5*0.25)"), 11.25);
    EXPECT_DOUBLE_EQ(Value("25.4*2.8353"), 72.01662);
    EXPECT_DOUBLE_EQ(Value("3/25.4*96"), 3.0 / 25.4 * 96.0);
    EXPECT_DOUBLE_EQ(Value("(1*25.4/965)"), 25.4 / 965.0);
}

TEST_F(ExpressionEvaluatorTest, ReportsMalformedTextAsSyntaxError) {
    for (const char* text :
         {"",    " ", "()", "()-(5)", "1+", "*2",  "1**2", "1.2.3", "(1",     "1)",
          "1 2", ".", "1E", "1E+",    "5E", "abc", "1,5",  "2^3",   "(1)(2)", "\xE3\x80\x80"}) {
        EXPECT_EQ(Error(text), eval_error::kSyntaxError) << '"' << text << '"';
    }
}

TEST_F(ExpressionEvaluatorTest, ReportsArithmeticFailuresWithTheirNumbers) {
    EXPECT_EQ(Error("1/0"), eval_error::kDivisionByZero);
    EXPECT_EQ(Error("5/(2-2)"), eval_error::kDivisionByZero);
    EXPECT_EQ(Error("0/0"), eval_error::kOverflow);
    EXPECT_EQ(Error("1E308*10"), eval_error::kOverflow);
    EXPECT_EQ(Error("1E400"), eval_error::kOverflow);
    EXPECT_EQ(Error("-1E308-1E308"), eval_error::kOverflow);
}

TEST_F(ExpressionEvaluatorTest, SyntaxErrorsOutrankArithmeticErrors) {
    EXPECT_EQ(Error("1/0+"), eval_error::kSyntaxError);
    EXPECT_EQ(Error("1E400)"), eval_error::kSyntaxError);
}

TEST_F(ExpressionEvaluatorTest, NeverYieldsInfinityNanOrNegativeZero) {
    EXPECT_EQ(Error("1E308*10/1E308"), eval_error::kOverflow);
    const EvalResult negativeZero = evaluator.Eval("-0*4");
    ASSERT_TRUE(negativeZero.ok());
    EXPECT_FALSE(std::signbit(negativeZero.value));
    EXPECT_EQ(Value("1E-400"), 0.0);
    EXPECT_EQ(Value("0.000000000000000000000000001E-380"), 0.0);
}

TEST_F(ExpressionEvaluatorTest, DeepNestingFailsInsteadOfOverflowingTheStack) {
    const int allowed = ExpressionEvaluator::kMaxNesting;
    EXPECT_EQ(Value(std::string(allowed, '(') + "1" + std::string(allowed, ')')), 1.0);
    EXPECT_EQ(Error(std::string(allowed + 1, '(') + "1" + std::string(allowed + 1, ')')),
              eval_error::kOutOfStackSpace);
    EXPECT_EQ(Error(std::string(1'000'000, '(') + "1"), eval_error::kOutOfStackSpace);
    EXPECT_EQ(Error(std::string(1'000'000, '-') + "1"), eval_error::kOutOfStackSpace);
}

TEST_F(ExpressionEvaluatorTest, LongFlatExpressionsEvaluate) {
    std::string sum = "0";
    for (int i = 0; i < 100'000; ++i) {
        sum += "+1";
    }
    EXPECT_EQ(Value(sum), 100000.0);
}

}  // namespace
}  // namespace zelvo
