#include <gtest/gtest.h>

#include <string>

#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "fake/typist.h"

namespace zelvo {
namespace {

class UnitBoxKeysTest : public ::testing::Test {
  protected:
    // Fills every box and raw result, as after a conversion.
    void FillAll() {
        for (int i = 0; i < kUnitBoxCount; ++i) {
            bar.text1.at(i).SetText("old" + std::to_string(i));
            bar.conversion.text2.at(i) = "raw" + std::to_string(i);
        }
    }
    int Press(int index, int key) {
        bar.text1_KeyPress(index, key);
        return key;
    }

    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
    fake::Typist typist{bar};
};

TEST_F(UnitBoxKeysTest, FocusSelectsTheWholeText) {
    bar.text1[3].SetText("72.02");
    bar.text1_GotFocus(3);
    EXPECT_EQ(bar.text1[3].SelStart, 0);
    EXPECT_EQ(bar.text1[3].SelLength, 5);

    bar.text1[0].SetText("１０+5q");  // full-width digits count as one character each
    bar.text1_GotFocus(0);
    EXPECT_EQ(bar.text1[0].SelLength, 5);
}

TEST_F(UnitBoxKeysTest, KeysThatStartANewInputEmptyTheOtherUnitBoxes) {
    for (const int key : std::initializer_list<int>{'0', '5', '9', '.', 8, 22}) {
        FillAll();
        EXPECT_EQ(Press(2, key), key);
        EXPECT_EQ(bar.text1[2].Text, "old2") << key;
        EXPECT_EQ(bar.text1[0].Text, "old0") << key;
        for (int i = 1; i <= 6; ++i) {
            EXPECT_EQ(bar.conversion.text2.at(i), "") << key;
            if (i != 2) {
                EXPECT_EQ(bar.text1.at(i).Text, "") << key;
            }
        }
    }
    EXPECT_EQ(fake.toolkit.beeps, 0);
}

TEST_F(UnitBoxKeysTest, UnitBoxesRejectEverythingElseWithABeep) {
    for (const int key :
         std::initializer_list<int>{'a', 'E', 'q', ' ', ',', '+', '-', '(', 24, 26, 27}) {
        FillAll();
        EXPECT_EQ(Press(4, key), 0) << key;
        EXPECT_EQ(bar.text1[1].Text, "old1") << key;
        EXPECT_EQ(bar.conversion.text2[1], "raw1") << key;
    }
    EXPECT_EQ(fake.toolkit.beeps, 11);
}

TEST_F(UnitBoxKeysTest, ExpressionBoxAlsoTakesOperatorsAndUnitLetters) {
    for (const char key : std::string("()*+-/EIMPQTeimpqt")) {
        FillAll();
        EXPECT_EQ(Press(0, key), key);
        EXPECT_EQ(bar.text1[0].Text, "old0");
        for (int i = 1; i <= 6; ++i) {
            EXPECT_EQ(bar.text1.at(i).Text, "") << key;
            EXPECT_EQ(bar.conversion.text2.at(i), "") << key;
        }
    }
    for (const int key : std::initializer_list<int>{',', 'a', 'x', 'Z', ' ', '^', 27}) {
        EXPECT_EQ(Press(0, key), 0) << key;
    }
    EXPECT_EQ(fake.toolkit.beeps, 7);
}

TEST_F(UnitBoxKeysTest, CtrlASelectsAndCtrlCEmptiesNothing) {
    FillAll();
    EXPECT_EQ(Press(6, 1), 1);
    EXPECT_EQ(bar.text1[6].SelLength, 4);
    EXPECT_EQ(Press(6, 3), 3);
    EXPECT_EQ(bar.text1[1].Text, "old1");
    EXPECT_EQ(bar.conversion.text2[1], "raw1");
    EXPECT_EQ(fake.toolkit.beeps, 0);
}

TEST_F(UnitBoxKeysTest, TypingReplacesTheSelectionAfterTheOthersAreEmptied) {
    typist.Convert(1, "25.4");
    typist.Click(3);
    typist.Type("7");
    EXPECT_EQ(bar.text1[3].Text, "7");
    EXPECT_EQ(bar.text1[1].Text, "");

    typist.Type("x");
    EXPECT_EQ(bar.text1[3].Text, "7");
    EXPECT_EQ(fake.toolkit.beeps, 1);
}

TEST_F(UnitBoxKeysTest, EnterSetsTheEnteredTextBeforeConvertingAndIsLetThrough) {
    typist.Click(1);
    typist.Type("3");
    EXPECT_EQ(Press(1, 13), 13);
    EXPECT_EQ(bar.conversion.EnteredText, "3");
    EXPECT_EQ(bar.text1[2].Text, "12.00");
}

TEST_F(UnitBoxKeysTest, ExpressionBoxTypingLeavesUnitBoxesOfTheExpressionAlone) {
    typist.Convert(1, "1");
    bar.text1[0].SetText("keep");
    typist.Click(1);
    typist.Type("2");
    EXPECT_EQ(bar.text1[0].Text, "keep");
}

TEST_F(UnitBoxKeysTest, DiagnosticFieldReportsKeyCodes) {
    EXPECT_EQ(bar.Text4.Text, "keyasciiチェッカー");
    int key = 13;
    bar.Text4_KeyPress(key);
    EXPECT_EQ(key, 13);
    ASSERT_EQ(fake.toolkit.messages.size(), 1U);
    EXPECT_EQ(fake.toolkit.messages[0].prompt, "13");
}

TEST(UnitBoxDesignTest, BoxesCarryTheirToolTipsAndTabOrder) {
    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    const char* tips[] = {"式で換算",   "MMを換算",    "Qを換算",   "Pointを換算",
                          "Inchを換算", "Pixelを換算", "Twipを換算"};
    for (int i = 0; i < kUnitBoxCount; ++i) {
        EXPECT_EQ(windows.bar.text1.at(i).ToolTipText, tips[i]);
        EXPECT_EQ(windows.bar.text1.at(i).TabIndex, i);
        EXPECT_EQ(windows.bar.text1.at(i).Left, 390 + 1725 * i);
        EXPECT_EQ(windows.bar.text1.at(i).Text, "");
    }
}

}  // namespace
}  // namespace zelvo
