#include "conversion/decimal_format.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

TEST(FormatDecimalsTest, RoundsHalvesAwayFromZeroOnTheDecimalDigits) {
    EXPECT_EQ(FormatDecimals("637.875", 2), "637.88");
    EXPECT_EQ(FormatDecimals("-637.875", 2), "-637.88");
    EXPECT_EQ(FormatDecimals("1.005", 2), "1.01");
    EXPECT_EQ(FormatDecimals("2.675", 2), "2.68");
    EXPECT_EQ(FormatDecimals("1.0049999999", 2), "1.00");
    EXPECT_EQ(FormatDecimals("9.995", 2), "10.00");
    EXPECT_EQ(FormatDecimals("999.9999", 3), "1000.000");
    EXPECT_EQ(FormatDecimals("0.5", 0), "1.");
    EXPECT_EQ(FormatDecimals("0.05", 1), "0.1");
    EXPECT_EQ(FormatDecimals("0.049", 1), "0.0");
}

TEST(FormatDecimalsTest, ZeroDecimalsEndInThePoint) {
    EXPECT_EQ(FormatDecimals("25.4", 0), "25.");
    EXPECT_EQ(FormatDecimals("101.6", 0), "102.");
    EXPECT_EQ(FormatDecimals("12.5", 0), "13.");
    EXPECT_EQ(FormatDecimals("-12.5", 0), "-13.");
    EXPECT_EQ(FormatDecimals("0", 0), "0.");
}

TEST(FormatDecimalsTest, PadsToTheChosenDecimals) {
    EXPECT_EQ(FormatDecimals("72.01662", 10), "72.0166200000");
    EXPECT_EQ(FormatDecimals("12", 2), "12.00");
    EXPECT_EQ(FormatDecimals(".5", 2), "0.50");
    EXPECT_EQ(FormatDecimals("5.", 2), "5.00");
    EXPECT_EQ(FormatDecimals("0.0000000000", 3), "0.000");
    EXPECT_EQ(FormatDecimals("0.0000000000", 0), "0.");
    EXPECT_EQ(FormatDecimals("0012.50", 1), "12.5");
}

TEST(FormatDecimalsTest, WritesExponentInputOutInFull) {
    EXPECT_EQ(FormatDecimals("1.5E-05", 2), "0.00");
    EXPECT_EQ(FormatDecimals("1.5E-05", 5), "0.00002");
    EXPECT_EQ(FormatDecimals("1E+20", 2), "100000000000000000000.00");
    EXPECT_EQ(FormatDecimals("-2.5e3", 1), "-2500.0");
    EXPECT_EQ(FormatDecimals("1.79769313486231E+308", 0),
              "179769313486231" + std::string(294, '0') + ".");
}

TEST(FormatDecimalsTest, NegativeValueRoundingToZeroShowsNoMinus) {
    EXPECT_EQ(FormatDecimals("-0.004", 2), "0.00");
    EXPECT_EQ(FormatDecimals("-0.4", 0), "0.");
    EXPECT_EQ(FormatDecimals("-0", 2), "0.00");
    EXPECT_EQ(FormatDecimals("-0.005", 2), "-0.01");
}

TEST(FormatDecimalsTest, AcceptsSurroundingBlanksAndPlusSign) {
    EXPECT_EQ(FormatDecimals(" 12 ", 2), "12.00");
    EXPECT_EQ(FormatDecimals("+3.14159", 3), "3.142");
}

TEST(FormatDecimalsTest, LeavesTextThatIsNotANumberUnchanged) {
    for (const char* text : {"", "1+2", "abc", "1.2.3", "+", "-", ".", "E5", "1E", "1E+", "1,234",
                             "1 2", "¥100", "(5)"}) {
        EXPECT_EQ(FormatDecimals(text, 2), text) << '"' << text << '"';
    }
}

TEST(FormatDecimalsTest, LeavesMagnitudesBeyondDoubleRangeUnchanged) {
    EXPECT_EQ(FormatDecimals("1E309", 2), "1E309");
    EXPECT_EQ(FormatDecimals("1E99999999999", 2), "1E99999999999");
    EXPECT_EQ(FormatDecimals("1E-99999999999", 2), "0.00");
}

}  // namespace
}  // namespace zelvo
