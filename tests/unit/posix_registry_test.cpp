#include "platform/posix/posix_registry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "about/frm_about.h"
#include "fake/gif_files.h"

namespace zelvo {
namespace {

const std::string kMsInfo = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";

class PosixRegistryTest : public ::testing::Test {
  protected:
    std::string MakeTool(const std::string& folder, const std::string& name) {
        std::filesystem::create_directories(folder);
        const std::string path = folder + "/" + name;
        std::ofstream(path) << "#!/bin/sh\n";
        ::chmod(path.c_str(), 0755);
        return path;
    }

    fake::ProgramFolder root;
};

TEST_F(PosixRegistryTest, AnswersWithTheFirstSystemInformationToolOnThePath) {
    const std::string first = root.path() + "/a";
    const std::string second = root.path() + "/b";
    MakeTool(second, "hardinfo");
    const std::string expected = MakeTool(first, "kinfocenter");
    MakeTool(first, "not-executable");
    ::chmod((first + "/not-executable").c_str(), 0644);

    PosixRegistry registry({"not-executable", "kinfocenter", "hardinfo"}, first + ":" + second);
    const std::uintptr_t key = registry.OpenKey(HKEY_LOCAL_MACHINE, kMsInfo);
    ASSERT_NE(key, 0U);
    const auto value = registry.QueryValue(key, "PATH", 1024);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, REG_SZ);
    EXPECT_EQ(value->data, expected + '\0');
    EXPECT_FALSE(registry.QueryValue(key, "OTHER", 1024).has_value());
    registry.CloseKey(key);
}

TEST_F(PosixRegistryTest, WithoutAToolTheValueIsAbsent) {
    PosixRegistry registry({"hardinfo"}, root.path());
    const std::uintptr_t key = registry.OpenKey(HKEY_LOCAL_MACHINE, kMsInfo);
    EXPECT_FALSE(registry.QueryValue(key, "PATH", 1024).has_value());
    EXPECT_EQ(registry.OpenKey(HKEY_LOCAL_MACHINE, R"(SOFTWARE\Microsoft\Shared Tools Location)"),
              0U);
    EXPECT_EQ(registry.OpenKey(0x80000001, kMsInfo), 0U);
}

}  // namespace
}  // namespace zelvo
