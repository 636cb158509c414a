#include <gtest/gtest.h>

#include <map>
#include <set>

#include "session/command_line.h"
#include "session/desktop_session.h"
#include "session/session_instance.h"
#include "session/settings_place.h"

namespace zelvo {
namespace {

CommandKind KindOf(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "zelvo");
    return ParseCommandLine(arguments).kind;
}

TEST(CommandLineTest, EachVerbAndItsMistakes) {
    EXPECT_EQ(KindOf({}), CommandKind::Start);
    EXPECT_EQ(KindOf({"--show"}), CommandKind::Show);
    EXPECT_EQ(KindOf({"-toggle"}), CommandKind::Toggle);
    EXPECT_EQ(KindOf({"--quit"}), CommandKind::Quit);
    EXPECT_EQ(KindOf({"--toggle", "--help"}), CommandKind::Help);
    EXPECT_EQ(KindOf({"--version"}), CommandKind::Version);
    for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
             {"--frobnicate"}, {"--show", "--quit"}, {"file.txt"}, {"-h"}, {"-"}, {"--show=1"}}) {
        std::vector<std::string> arguments = wrong;
        arguments.insert(arguments.begin(), "zelvo");
        const Command command = ParseCommandLine(arguments);
        EXPECT_EQ(command.kind, CommandKind::Wrong) << wrong.front();
        EXPECT_FALSE(command.problem.empty()) << wrong.front();
    }
}

TEST(CommandLineTest, AnswersFollowGnuConventions) {
    EXPECT_EQ(VersionText().rfind("Zelvo 2.5.0β\nCopyright (C) 2026 ", 0), 0U);
    EXPECT_EQ(UsageText().rfind("Usage: zelvo [OPTION]\n", 0), 0U);
    for (const char* option : {"--show", "--toggle", "--quit", "--help", "--version"}) {
        EXPECT_NE(UsageText().find(option), std::string::npos) << option;
    }
    const auto help = AnswerCommandLine({CommandKind::Help, {}});
    ASSERT_TRUE(help.has_value());
    EXPECT_EQ(help->status, 0);
    EXPECT_FALSE(help->error);

    const auto wrong = AnswerCommandLine(ParseCommandLine({"zelvo", "--frobnicate"}));
    ASSERT_TRUE(wrong.has_value());
    EXPECT_EQ(wrong->status, 2);
    EXPECT_TRUE(wrong->error);
    EXPECT_EQ(wrong->text.rfind("zelvo: Unknown option '--frobnicate'.\nUsage: ", 0), 0U);

    EXPECT_FALSE(AnswerCommandLine({CommandKind::Toggle, {}}).has_value());
    EXPECT_TRUE(ShowsBarAtStart(CommandKind::Toggle));
    EXPECT_FALSE(ShowsBarAtStart(CommandKind::Start));
}

std::optional<std::string> From(const std::map<std::string, std::string>& variables,
                                const char* name) {
    const auto found = variables.find(name);
    return found == variables.end() ? std::nullopt : std::optional<std::string>(found->second);
}

TEST(DesktopSessionTest, OnlyGnomeAsItComesLosesMinimisedWindows) {
    for (const std::string_view lost : {"GNOME", "GNOME:GNOME"}) {
        EXPECT_FALSE(DesktopShowsMinimisedWindows(lost)) << lost;
    }
    for (const std::string_view kept : {"KDE", "XFCE", "", "ubuntu:GNOME", "GNOME-Classic:GNOME",
                                        "GNOME-Flashback:GNOME", "X-GNOME", "GNOMEx", ":"}) {
        EXPECT_TRUE(DesktopShowsMinimisedWindows(kept)) << kept;
    }
}

// One Zelvo per graphical session: the Wayland display names the session, else the X
// server; every screen of one server is one session.
TEST(SessionInstanceTest, EachSessionsDisplayGivesItsOwnName) {
    std::map<std::string, std::string> variables;
    const Environment environment = [&variables](const char* name) {
        return From(variables, name);
    };
    EXPECT_EQ(SessionInstanceName(environment), "org.zelvo.Zelvo");
    const std::map<std::string, std::string> names{
        {":0", "org.zelvo.Zelvo-x11-0"},
        {":0.1", "org.zelvo.Zelvo-x11-0"},
        {"unix:0", "org.zelvo.Zelvo-x11-0"},
        {":1", "org.zelvo.Zelvo-x11-1"},
        {"localhost:10.0", "org.zelvo.Zelvo-x11-localhost-10"},
        {"../../x:2", "org.zelvo.Zelvo-x11-.._.._x-2"},
    };
    for (const auto& [display, name] : names) {
        variables = {{"DISPLAY", display}};
        EXPECT_EQ(SessionInstanceName(environment), name) << display;
    }
    variables = {{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}};
    EXPECT_EQ(SessionInstanceName(environment), "org.zelvo.Zelvo-wayland-0");
    variables["WAYLAND_DISPLAY"] = "/run/user/1000/wayland-1";
    EXPECT_EQ(SessionInstanceName(environment), "org.zelvo.Zelvo-wayland-1");
    variables["WAYLAND_DISPLAY"] = "";
    EXPECT_EQ(SessionInstanceName(environment), "org.zelvo.Zelvo-x11-0");
}

TEST(SettingsPlaceTest, PortableOnlyWithASettingsFileOrAMarkerBesideTheProgram) {
    std::set<std::string> present;
    const auto exists = [&present](const std::string& path) { return present.count(path) != 0; };
    EXPECT_FALSE(IsPortableFolder("/opt/zelvo", exists));
    present = {"/opt/zelvo/portable"};
    EXPECT_TRUE(IsPortableFolder("/opt/zelvo", exists));
    present = {"/opt/zelvo/setting.ini"};
    EXPECT_TRUE(IsPortableFolder("/opt/zelvo/", exists));
    present = {"/opt/zelvo/skin/portable"};
    EXPECT_FALSE(IsPortableFolder("/opt/zelvo", exists));
}

TEST(SettingsPlaceTest, TheUsersFolderOnEachSystem) {
    std::map<std::string, std::string> variables{{"HOME", "/home/user"}};
    const Environment environment = [&variables](const char* name) {
        return From(variables, name);
    };
    EXPECT_EQ(PosixUserSettingsFolder(environment), "/home/user/.config/zelvo");
    variables["XDG_CONFIG_HOME"] = "relative";
    EXPECT_EQ(PosixUserSettingsFolder(environment), "/home/user/.config/zelvo");
    variables["XDG_CONFIG_HOME"] = "/cfg/";
    EXPECT_EQ(PosixUserSettingsFolder(environment), "/cfg/zelvo");

    variables = {{"APPDATA", R"(C:\Users\太郎\AppData\Roaming)"}};
    EXPECT_EQ(WindowsUserSettingsFolder(environment), "C:/Users/太郎/AppData/Roaming/Zelvo");
    variables = {{"APPDATA", R"(\\server\profiles\taro)"}};
    EXPECT_EQ(WindowsUserSettingsFolder(environment), "//server/profiles/taro/Zelvo");
    variables = {{"APPDATA", "Roaming"}, {"USERPROFILE", R"(D:\Users\hanako)"}};
    EXPECT_EQ(WindowsUserSettingsFolder(environment), "D:/Users/hanako/AppData/Roaming/Zelvo");
}

// A portable program in a folder the user may not write to (Program Files, a
// read-only share) keeps its settings in the user's folder rather than losing them.
TEST(SettingsPlaceTest, SettingsStayBesideAPortableProgramOnlyWhereTheyCanBeWritten) {
    EXPECT_EQ(SettingsFileFor(true, true, "C:/Zelvo", "C:/Users/u/AppData/Roaming/Zelvo"),
              "C:/Zelvo/setting.ini");
    EXPECT_EQ(SettingsFileFor(true, false, "C:/Zelvo", "C:/Users/u/AppData/Roaming/Zelvo"),
              "C:/Users/u/AppData/Roaming/Zelvo/setting.ini");
    EXPECT_EQ(SettingsFileFor(false, true, "/usr/bin", "/home/u/.config/zelvo"),
              "/home/u/.config/zelvo/setting.ini");
}

}  // namespace
}  // namespace zelvo
