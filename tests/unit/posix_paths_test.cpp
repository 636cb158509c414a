#include "platform/posix/posix_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "fake/gif_files.h"

namespace zelvo {
namespace {

// A program in <root>/usr/bin with a made-up environment.
class PosixPathsTest : public ::testing::Test {
  protected:
    PosixPathsTest() { std::filesystem::create_directories(bin()); }

    std::filesystem::path bin() const { return std::filesystem::path(root.path()) / "usr/bin"; }
    PosixPaths Paths() const {
        return PosixPaths((bin() / "zelvo").string(),
                          [this](const char* name) -> std::optional<std::string> {
                              const auto found = environment.find(name);
                              if (found == environment.end()) {
                                  return std::nullopt;
                              }
                              return found->second;
                          });
    }

    fake::ProgramFolder root;
    std::map<std::string, std::string> environment{{"HOME", "/home/user"}};
};

TEST_F(PosixPathsTest, AnInstalledProgramKeepsItsSettingsInTheUsersConfigFolder) {
    const PosixPaths paths = Paths();
    EXPECT_FALSE(paths.portable());
    EXPECT_EQ(paths.SettingsFile(), "/home/user/.config/zelvo/setting.ini");
    EXPECT_EQ(paths.AutostartEntry(), "/home/user/.config/autostart/org.zelvo.Zelvo.desktop");
    EXPECT_EQ(paths.HelpFolder(), root.path() + "/usr/share/zelvo");
    EXPECT_EQ(paths.Executable(), (bin() / "zelvo").string());

    environment["XDG_CONFIG_HOME"] = "/elsewhere/config";
    EXPECT_EQ(Paths().SettingsFile(), "/elsewhere/config/zelvo/setting.ini");
    environment["XDG_CONFIG_HOME"] = "relative/config";  // not absolute: ignored
    EXPECT_EQ(Paths().SettingsFile(), "/home/user/.config/zelvo/setting.ini");
}

TEST_F(PosixPathsTest, SkinsComeFromTheUserThenTheSystemThenTheProgram) {
    EXPECT_EQ(Paths().SkinFolders(),
              (std::vector<std::string>{"/home/user/.local/share/zelvo/skin",
                                        "/usr/local/share/zelvo/skin", "/usr/share/zelvo/skin",
                                        root.path() + "/usr/share/zelvo/skin", bin() / "skin"}));

    environment["XDG_DATA_HOME"] = "/data";
    environment["XDG_DATA_DIRS"] = "/opt/share/:relative::/usr/share:/opt/share";
    EXPECT_EQ(Paths().SkinFolders(),
              (std::vector<std::string>{"/data/zelvo/skin", "/opt/share/zelvo/skin",
                                        "/usr/share/zelvo/skin",
                                        root.path() + "/usr/share/zelvo/skin", bin() / "skin"}));
}

TEST_F(PosixPathsTest, ASettingsFileOrAMarkerBesideTheProgramMakesItPortable) {
    std::ofstream(bin() / "portable");
    const PosixPaths marked = Paths();
    EXPECT_TRUE(marked.portable());
    EXPECT_EQ(marked.SettingsFile(), (bin() / "setting.ini").string());
    EXPECT_EQ(marked.SkinFolders(), (std::vector<std::string>{bin() / "skin"}));
    EXPECT_EQ(marked.HelpFolder(), bin().string());
    EXPECT_EQ(marked.AutostartEntry(), "/home/user/.config/autostart/org.zelvo.Zelvo.desktop");

    std::filesystem::remove(bin() / "portable");
    std::ofstream(bin() / "setting.ini") << "/text1\r\n";
    EXPECT_TRUE(Paths().portable());
}

TEST_F(PosixPathsTest, WithoutHomeTheUserDatabaseNamesTheHomeFolder) {
    const std::optional<std::string> home = ProcessEnvironment("HOME");
    ASSERT_TRUE(home.has_value());
    EXPECT_FALSE(home->empty());
    EXPECT_FALSE(ProcessEnvironment("ZELVO_SURELY_NOT_SET").has_value());
}

}  // namespace
}  // namespace zelvo
