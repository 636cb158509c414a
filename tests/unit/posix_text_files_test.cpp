#include "platform/posix/posix_text_files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "fake/gif_files.h"
#include "platform/posix/code_page_932.h"

namespace zelvo {
namespace {

class PosixTextFilesTest : public ::testing::Test {
  protected:
    std::string Bytes(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    void WriteBytes(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fake::ProgramFolder folder;
    std::string path = folder.path() + "/setting.ini";
    PosixTextFiles files;
};

TEST_F(PosixTextFilesTest, WritesCodePage932AndReadsItBack) {
    ASSERT_TRUE(files.WriteText(path, "/SkinPath\r\nスキン_ｱ\r\n"));
    EXPECT_EQ(Bytes(path), "/SkinPath\r\n\x83\x58\x83\x4C\x83\x93_\xB1\r\n");
    EXPECT_EQ(files.ReadText(path), "/SkinPath\r\nスキン_ｱ\r\n");
}

TEST_F(PosixTextFilesTest, UserDefinedCharactersSurvive) {
    const std::string text = "\xEE\x80\x81\xEE\x83\xBF";  // U+E001, U+E0FF
    ASSERT_TRUE(files.WriteText(path, text));
    EXPECT_EQ(Bytes(path).substr(0, 2), "\xF0\x41");
    EXPECT_EQ(files.ReadText(path), text);
}

TEST_F(PosixTextFilesTest, CharactersTheCodePageLacksBecomeQuestionMarks) {
    ASSERT_TRUE(files.WriteText(path, "a😀b\xFF"));
    EXPECT_EQ(Bytes(path), "a?b?");
}

TEST_F(PosixTextFilesTest, InvalidBytesReadAsReplacementCharacters) {
    WriteBytes(path, "/UPDOWN\r\n\x81\r\n\xA0\xFD\x82");
    EXPECT_EQ(files.ReadText(path),
              "/UPDOWN\r\n\xEF\xBF\xBD\r\n\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(DecodeCodePage932(std::string(1, '\0')), std::string(1, '\0'));
}

TEST_F(PosixTextFilesTest, ReadsLinesOfMegabytes) {
    const std::string line(3 * 1024 * 1024, '7');
    WriteBytes(path, "/UPDOWN\r\n" + line + "\r\n");
    const auto text = files.ReadText(path);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->size(), line.size() + 11);
}

TEST_F(PosixTextFilesTest, MissingFilesAndFoldersAreNotRead) {
    EXPECT_FALSE(files.ReadText(folder.path() + "/missing.ini").has_value());
    EXPECT_FALSE(files.ReadText(folder.path()).has_value());
}

TEST_F(PosixTextFilesTest, ReplacingKeepsTheFileMode) {
    WriteBytes(path, "old");
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(files.WriteText(path, "new"));
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640U);
    EXPECT_EQ(Bytes(path), "new");
}

TEST_F(PosixTextFilesTest, AFolderThatCannotBeWrittenLeavesTheOldFile) {
    WriteBytes(path, "old settings");
    EXPECT_FALSE(files.WriteText(folder.path() + "/no/such/folder/setting.ini", "x"));
    if (::geteuid() != 0) {
        ::chmod(folder.path().c_str(), 0500);
        EXPECT_FALSE(files.WriteText(path, "new settings"));
        ::chmod(folder.path().c_str(), 0700);
    }
    EXPECT_EQ(Bytes(path), "old settings");
}

// A write that fails half-way (here the file size limit, as a full disk would)
// leaves the old file whole and no temporary file behind.
TEST_F(PosixTextFilesTest, AFailureMidWriteLeavesTheOldFileIntact) {
    WriteBytes(path, "old settings");
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);

    const bool written = files.WriteText(path, std::string(100000, 'x'));

    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(Bytes(path), "old settings");
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        entries += entry.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(entries, 1);
}

}  // namespace
}  // namespace zelvo
