#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "control/window_set.h"
#include "conversion/notices.h"
#include "fake/fake_platform.h"
#include "fake/typist.h"
#include "session/command_line.h"
#include "session/instance_request.h"
#include "session/request_line.h"

namespace zelvo {
namespace {

using Texts = std::array<std::string, 6>;

Command Parse(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "zelvo");
    return ParseCommandLine(arguments);
}

TEST(RequestLineTest, TheWordsStayAsTheyWereAndEveryRequestRoundTrips) {
    EXPECT_EQ(RequestLine(InstanceRequest::Show), "show\n");
    EXPECT_EQ(RequestLine(InstanceRequest::Toggle), "toggle\n");
    EXPECT_EQ(RequestLine(InstanceRequest::Quit), "quit\n");
    EXPECT_EQ(RequestLine({InstanceRequest::Enter, "10pt"}), "enter 10pt\n");

    const std::string longest(kMaxEnteredBytes, '9');
    for (const InstanceRequest& request :
         std::vector<InstanceRequest>{InstanceRequest::Show,
                                      InstanceRequest::Toggle,
                                      InstanceRequest::Quit,
                                      {InstanceRequest::Enter, "25.4mm"},
                                      {InstanceRequest::Enter, "(10 + 5q) * 2"},
                                      {InstanceRequest::Enter, "１２級 + 3ミリ"},
                                      {InstanceRequest::Enter, ""},
                                      {InstanceRequest::Enter, longest}}) {
        std::string line = RequestLine(request);
        ASSERT_EQ(line.back(), '\n');
        EXPECT_LE(line.size(), kMaxRequestBytes);
        line.pop_back();
        EXPECT_EQ(ParseRequestLine(line), request) << line;
    }
    EXPECT_EQ(RequestLine({InstanceRequest::Enter, longest}).size(), kMaxRequestBytes);
}

TEST(RequestLineTest, WhatIsNoRequestOrCarriesNoPlainLineIsRefused) {
    for (const std::string_view line : {"show\n", "SHOW", "", " show", "show ", "enter", "ENTER 5",
                                        "enter\t5", "toggle 5", "quit now"}) {
        EXPECT_FALSE(ParseRequestLine(line).has_value()) << line;
    }
    // Control characters, C1 codes and bytes that are no UTF-8 inside the expression.
    for (const std::string_view text :
         std::vector<std::string_view>{"1\r", "1\t+2",
                                       std::string_view("1\0"
                                                        "2",
                                                        3),
                                       "\x1b[2J", "5\x7f", "5\xc2\x85", "\xff", "5\xe3\x83",
                                       "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80"}) {
        EXPECT_FALSE(IsEnterableText(text)) << text;
        EXPECT_FALSE(ParseRequestLine("enter " + std::string(text)).has_value()) << text;
    }
    EXPECT_TRUE(IsEnterableText("10ポイント\xf0\x9f\x93\x8f"));
    EXPECT_FALSE(IsEnterableText(std::string(kMaxEnteredBytes + 1, '9')));
    EXPECT_FALSE(ParseRequestLine("enter " + std::string(kMaxEnteredBytes + 1, '9')).has_value());
}

TEST(RequestLineTest, EachCommandHandsItsRequestOn) {
    EXPECT_EQ(RequestOf(Parse({})), InstanceRequest::Show);
    EXPECT_EQ(RequestOf(Parse({"--show"})), InstanceRequest::Show);
    EXPECT_EQ(RequestOf(Parse({"--toggle"})), InstanceRequest::Toggle);
    EXPECT_EQ(RequestOf(Parse({"--quit"})), InstanceRequest::Quit);
    EXPECT_EQ(RequestOf(Parse({"--enter", "10pt"})),
              InstanceRequest(InstanceRequest::Enter, "10pt"));
}

TEST(EnterCommandLineTest, TakesOneLineOfTextInEachSpelling) {
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"--enter", "10pt"}, {"-enter", "10pt"}, {"--enter=10pt"}, {"-enter=10pt"}}) {
        const Command command = Parse(arguments);
        EXPECT_EQ(command.kind, CommandKind::Enter) << arguments.front();
        EXPECT_EQ(command.expression, "10pt") << arguments.front();
    }
    // The value is the next argument whatever it looks like.
    EXPECT_EQ(Parse({"--enter", "-5+10mm"}).expression, "-5+10mm");
    EXPECT_EQ(Parse({"--enter", "--show"}).kind, CommandKind::Enter);
    EXPECT_EQ(Parse({"--enter", ""}).kind, CommandKind::Enter);
    EXPECT_EQ(Parse({"--enter", "5", "--help"}).kind, CommandKind::Help);
    EXPECT_FALSE(AnswerCommandLine(Parse({"--enter", "5"})).has_value());
    EXPECT_NE(UsageText().find("--enter EXPRESSION"), std::string::npos);
}

TEST(EnterCommandLineTest, MistakesAreToldBeforeAnythingIsSent) {
    for (const std::vector<std::string>& wrong :
         std::vector<std::vector<std::string>>{{"--enter"},
                                               {"--enter", "1", "--enter", "2"},
                                               {"--enter", "1", "--show"},
                                               {"--toggle", "--enter", "1"},
                                               {"--enter", "1", "--quit"},
                                               {"--enter", "1", "--convert", "1"},
                                               {"--enter", "1", "--decimals", "3"},
                                               {"--enter", "1", "--ppi", "72"},
                                               {"--enter", "1\n2"},
                                               {"--enter", "1\t2"},
                                               {"--enter", std::string(kMaxEnteredBytes + 1, '1')},
                                               {"--enter", "1", "2"}}) {
        const Command command = Parse(wrong);
        EXPECT_EQ(command.kind, CommandKind::Wrong) << wrong.back();
        EXPECT_FALSE(command.problem.empty()) << wrong.back();
    }
    EXPECT_EQ(Parse({"--enter", std::string(kMaxEnteredBytes, '1')}).kind, CommandKind::Enter);
}

// A request from a later start does what the tray menu, the hot key, 終了 and the
// expression box do.
class CarryOutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fake.paths.programFolder = "/program";
        windows.Start();
        windows.bar.Visible = false;
        windows.dialog.UpDown1.Value = 2;
    }

    Texts UnitBoxes() const {
        Texts texts;
        for (int i = 1; i <= 6; ++i) {
            texts.at(i - 1) = windows.bar.text1.at(i).Text;
        }
        return texts;
    }

    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
};

TEST_F(CarryOutTest, RequestsMakeTheModelCallsOfTheMenusAndTheHotKey) {
    CarryOut(InstanceRequest::Show, windows.dialog);
    EXPECT_TRUE(windows.bar.Visible);

    fake.windowOps.barForeground = true;
    CarryOut(InstanceRequest::Toggle, windows.dialog);
    EXPECT_FALSE(windows.bar.Visible);  // a bar in front is put away, as the hot key does

    fake.textFiles.writes = 0;
    CarryOut(InstanceRequest::Quit, windows.dialog);
    EXPECT_EQ(fake.textFiles.writes, 1);
    EXPECT_EQ(fake.toolkit.quits, 1);
}

TEST_F(CarryOutTest, AnExpressionIsShownOnTheBarWithItsUnitWordsReadAndConverted) {
    CarryOut({InstanceRequest::Enter, "10pt"}, windows.dialog);

    EXPECT_TRUE(windows.bar.Visible);
    EXPECT_EQ(fake.windowOps.broughtForward, 1);
    EXPECT_EQ(windows.bar.text1[0].Text, "10P");
    EXPECT_EQ(UnitBoxes(), (Texts{"3.53", "14.11", "10.00", "0.14", "13.33", "199.98"}));
    EXPECT_TRUE(fake.toolkit.messages.empty());
    EXPECT_EQ(fake.toolkit.beeps, 0);

    // What was there before goes, as the user's paste would replace it.
    CarryOut({InstanceRequest::Enter, " ２５.４ mm "}, windows.dialog);
    EXPECT_EQ(windows.bar.text1[0].Text, "25.4 M");
    EXPECT_EQ(UnitBoxes(), (Texts{"25.40", "101.60", "72.02", "1.00", "96.00", "1440.18"}));
    EXPECT_EQ(windows.bar.ActiveControl, 0);
}

TEST_F(CarryOutTest, EnteringIsPastingIntoTheExpressionBoxAndPressingEnter) {
    WindowSet typed{fake.platform};
    typed.Start();
    fake::Typist typist{typed.bar};
    for (const std::string_view text : {"10+5q", "(1/2)*3i", "1e5", "12pt*2-3mm"}) {
        CarryOut({InstanceRequest::Enter, std::string(text)}, windows.dialog);
        typist.clipboard = windows.bar.text1[0].Text;
        typist.Click(0);
        typist.Key(22);
        typist.Enter();
        for (int i = 0; i < kUnitBoxCount; ++i) {
            EXPECT_EQ(windows.bar.text1.at(i).Text, typed.bar.text1.at(i).Text) << text << i;
        }
        EXPECT_EQ(windows.bar.conversion.text2, typed.bar.conversion.text2) << text;
        EXPECT_EQ(windows.bar.conversion.text11, typed.bar.conversion.text11) << text;
    }
    EXPECT_TRUE(fake.toolkit.messages.empty());
}

TEST_F(CarryOutTest, AnExpressionTheBarCannotConvertEndsInItsOwnNotice) {
    CarryOut({InstanceRequest::Enter, "25.4"}, windows.dialog);
    const struct {
        std::string written;
        std::string_view notice;
    } cases[] = {{"12 apples", notice::kMalformedExpression},
                 {"-5mm", notice::kMalformedExpression},
                 {"1/0", notice::kUnknownError},
                 {"   ", notice::kEnterNumber}};
    for (const auto& [written, notice] : cases) {
        fake.toolkit.messages.clear();
        windows.bar.Visible = false;
        CarryOut({InstanceRequest::Enter, written}, windows.dialog);
        EXPECT_TRUE(windows.bar.Visible) << written;
        ASSERT_EQ(fake.toolkit.messages.size(), 1U) << written;
        EXPECT_EQ(fake.toolkit.messages[0].prompt, notice) << written;
        // The paste emptied the unit boxes; the failed conversion filled none.
        EXPECT_EQ(UnitBoxes(), Texts{}) << written;
    }
    EXPECT_EQ(windows.bar.text1[0].Text, "");
}

}  // namespace
}  // namespace zelvo
