#include "session/convert_command.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "session/command_line.h"

namespace zelvo {
namespace {

Command Parse(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "zelvo");
    return ParseCommandLine(arguments);
}

TEST(ConvertCommandTest, EachWayOfWritingTheOptions) {
    for (const std::vector<std::string>& written : std::vector<std::vector<std::string>>{
             {"--convert", "10pt"}, {"-c", "10pt"}, {"--convert=10pt"}, {"-convert", "10pt"}}) {
        const Command command = Parse(written);
        EXPECT_EQ(command.kind, CommandKind::Convert) << written.front();
        EXPECT_EQ(command.expression, "10pt") << written.front();
        EXPECT_FALSE(command.decimals.has_value());
        EXPECT_FALSE(command.ppi.has_value());
        EXPECT_FALSE(AnswerCommandLine(command).has_value());
    }
    Command command = Parse({"--ppi", "150", "-c", "-5mm", "--decimals=0"});
    EXPECT_EQ(command.kind, CommandKind::Convert);
    EXPECT_EQ(command.expression, "-5mm");  // the value of -c, whatever it starts with
    EXPECT_EQ(command.decimals, 0);
    EXPECT_EQ(command.ppi, "150");

    command = Parse({"-c", "", "--decimals", "10", "--ppi", "72.5"});
    EXPECT_EQ(command.kind, CommandKind::Convert);
    EXPECT_EQ(command.expression, "");
    EXPECT_EQ(command.decimals, 10);
    EXPECT_EQ(command.ppi, "72.5");
    EXPECT_EQ(Parse({"-c", "1", "--help"}).kind, CommandKind::Help);
}

TEST(ConvertCommandTest, BadOptionsAreWrongWithStatusTwo) {
    for (const std::vector<std::string>& wrong :
         std::vector<std::vector<std::string>>{{"--convert"},
                                               {"-c"},
                                               {"-c", "1", "--decimals"},
                                               {"-c", "1", "--decimals", "11"},
                                               {"-c", "1", "--decimals", "-1"},
                                               {"-c", "1", "--decimals", "2.5"},
                                               {"-c", "1", "--decimals", ""},
                                               {"-c", "1", "--ppi", "0"},
                                               {"-c", "1", "--ppi", "0.0"},
                                               {"-c", "1", "--ppi", "-96"},
                                               {"-c", "1", "--ppi", "9.6.1"},
                                               {"-c", "1", "--ppi", "96dpi"},
                                               {"--decimals", "3"},
                                               {"--ppi", "96"},
                                               {"-c", "1", "--show"},
                                               {"--quit", "-c", "1"},
                                               {"-c", "1", "-c", "2"},
                                               {"-c", "1", "2"},
                                               {"-c1"},
                                               {"--show=1"}}) {
        const Command command = Parse(wrong);
        EXPECT_EQ(command.kind, CommandKind::Wrong) << wrong.back();
        const auto answer = AnswerCommandLine(command);
        ASSERT_TRUE(answer.has_value());
        EXPECT_EQ(answer->status, 2);
        EXPECT_TRUE(answer->error);
        EXPECT_EQ(answer->text.rfind("zelvo: " + command.problem + "\nUsage: ", 0), 0U);
    }
    EXPECT_NE(UsageText().find("-c, --convert EXPRESSION"), std::string::npos);
    EXPECT_NE(UsageText().find("--decimals N"), std::string::npos);
    EXPECT_NE(UsageText().find("--ppi N"), std::string::npos);
}

TEST(ConvertCommandTest, PrintsSixLinesWithTheStoredChoiceOrTheOnesGiven) {
    const ConversionChoice stored{3, kDensity72, "0000"};
    CommandLineAnswer answer = AnswerConvert(Parse({"-c", "25.4"}), stored);
    EXPECT_EQ(answer.text, "25.400 mm\n101.600 Q\n72.017 pt\n1.001 in\n72.000 px\n1440.180 twip\n");
    EXPECT_FALSE(answer.error);
    EXPECT_EQ(answer.status, 0);

    answer = AnswerConvert(Parse({"-c", "10+5q", "--decimals", "2", "--ppi", "96"}), stored);
    EXPECT_EQ(answer.text, "11.25 mm\n45.00 Q\n31.90 pt\n0.44 in\n42.52 px\n637.88 twip\n");

    const ConversionChoice custom = ChoiceFor(Parse({"-c", "1", "--ppi", "150"}), stored);
    EXPECT_EQ(custom.densityIndex, kDensityCustom);
    EXPECT_EQ(custom.customDensity, "150");
    EXPECT_EQ(custom.decimals, 3);
}

TEST(ConvertCommandTest, FailuresGoToStandardErrorInTheWordsOfTheNotices) {
    const ConversionChoice stored;
    const std::vector<std::pair<std::string, std::string>> failures = {
        {"", "数値を入力して下さい\n"},
        {"1+", "計算対象文字列に誤りがあります｡\n計算を実行できません。\n"},
        {"1/0", "不明なエラーが発生しました。\n処理中止します。\n"},
    };
    for (const auto& [expression, text] : failures) {
        const CommandLineAnswer answer = AnswerConvert(Parse({"-c", expression}), stored);
        EXPECT_EQ(answer.text, text) << expression;
        EXPECT_TRUE(answer.error);
        EXPECT_EQ(answer.status, 1);
    }
}

TEST(ConvertCommandTest, ReadsTheSettingsFileAndNeverWritesIt) {
    fake::FakeTextFiles files;
    files.files["/home/u/.config/zelvo/setting.ini"] =
        "/op1\r\nFalse|False|True|300\r\n/UPDOWN\r\n0\r\n";
    const CommandLineAnswer answer =
        AnswerConvert(Parse({"-c", "1in"}), files, "/home/u/.config/zelvo/setting.ini");
    EXPECT_EQ(answer.text, "25. mm\n102. Q\n72. pt\n1. in\n300. px\n1440. twip\n");
    EXPECT_EQ(files.writes, 0);
    EXPECT_EQ(AnswerConvert(Parse({"-c", "1in"}), files, "/elsewhere/setting.ini").text,
              "25.40 mm\n101.60 Q\n72.02 pt\n1.00 in\n96.00 px\n1440.18 twip\n");
}

}  // namespace
}  // namespace zelvo
