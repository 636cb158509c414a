#include <gtest/gtest.h>

#include "session/length_query.h"

namespace zelvo {
namespace {

TEST(ReadsAsLengthTest, NumbersWithAUnitLetterOrWord) {
    for (const char* length : {"25.4mm",       "12q",
                               "12Q",          "10pt",
                               "1 inch",       "96px",
                               "1440 twip",    "1440twips",
                               "1i",           "2E",
                               "3 T",          "1\"",
                               ".5in",         "12.mm",
                               "  25.4mm  ",   "10 Points",
                               "2 inches",     "25 millimetres",
                               "10ミリ",       "10ミリメートル",
                               "12級",         "10ポイント",
                               "1インチ",      "96ピクセル",
                               "1440ツイップ", "１０ｍｍ",
                               "１２　級"}) {
        EXPECT_TRUE(ReadsAsLength(length)) << length;
    }
}

TEST(ReadsAsLengthTest, ArithmeticWithAUnitAmongItsNumbers) {
    for (const char* length : {"10+5q", "3*2.8353pt", "10mm + 5q", "(10+5)*2q", "((1))/2in",
                               "100-1q", "1/0mm", "２＋３ｐｔ"}) {
        EXPECT_TRUE(ReadsAsLength(length)) << length;
    }
}

TEST(ReadsAsLengthTest, PlainWordsAndNumbersNever) {
    for (const char* other : {"", " ", "mm", "inch", "q", "hello", "print", "Qt 6", "25.4", "10+5",
                              "3*2.8353", "(1+2)", "ミリ", "インチ"}) {
        EXPECT_FALSE(ReadsAsLength(other)) << other;
    }
}

TEST(ReadsAsLengthTest, DatesVersionsTimesAndPhoneNumbersNever) {
    for (const char* other :
         {"2026-12-09", "2026/12/09", "2026.12.09", "12/09", "1.2.3", "v1.2.3", "1.2.3mm", "10:30",
          "10:30pm", "12pm", "3am", "23:59:59", "090-1234-5678", "+81 90 1234 5678",
          "(03) 1234-5678", "03 1234 5678", "2026年12月9日", "1,000mm"}) {
        EXPECT_FALSE(ReadsAsLength(other)) << other;
    }
}

TEST(ReadsAsLengthTest, MalformedExpressionsNever) {
    for (const char* other : {"-5mm", "+5mm", "5qq",  "10 mm mm", "(1+2)in", "1e5",   "2in1",
                              "mm10", "q5",   "()mm", "(10mm",    "10mm)",   "10mm+", "10 20mm",
                              "5 kg", "5mx",  ".mm",  "1 . 5mm",  "*5mm",    "5mm**2"}) {
        EXPECT_FALSE(ReadsAsLength(other)) << other;
    }
}

}  // namespace
}  // namespace zelvo
