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
    EXPECT_EQ(files.Unwritable("skin_한😀한 ﾎｯﾄ １２ 和風?"), "한😀");
    EXPECT_EQ(files.Unwritable("a\xFF"), "\xFF");
    EXPECT_EQ(files.Unwritable("/SkinPath\r\nskin_和風\r\n"), "");
}

// A byte that starts no character stands for itself alone: what follows it is kept.
TEST_F(PosixTextFilesTest, EachInvalidByteBecomesOneQuestionMark) {
    EXPECT_EQ(EncodeCodePage932("\xC3\x41\x42"), "?AB");
    EXPECT_EQ(EncodeCodePage932("caf\xE9_skin"), "caf?_skin");
    EXPECT_EQ(EncodeCodePage932("\xF0\x9F\x98"), "???");                     // cut short at the end
    EXPECT_EQ(EncodeCodePage932("\xE3\x82\xB9\xE3\x82"), "\x83\x58??");      // ス, then a cut one
    EXPECT_EQ(EncodeCodePage932("\xC0\xAF|\xED\xA0\x80|\x80"), "??|???|?");  // over-long, surrogate
    EXPECT_EQ(EncodeCodePage932("\xF0\x9F\x98\x80x"), "?x");  // whole but not in the code page
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

TEST_F(PosixTextFilesTest, ANewFileFollowsTheCreationMask) {
    const mode_t saved = ::umask(027);
    const bool written = files.WriteText(path, "new");
    ::umask(saved);
    ASSERT_TRUE(written);
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640U);
}

// A settings file kept elsewhere through links is replaced where it really lives.
TEST_F(PosixTextFilesTest, ALinkedFileIsReplacedAtItsTargetAndStaysLinked) {
    std::filesystem::create_directory(folder.path() + "/dotfiles");
    const std::string real = folder.path() + "/dotfiles/zelvo.ini";
    WriteBytes(real, "old");
    std::filesystem::create_symlink("zelvo.ini", folder.path() + "/dotfiles/current.ini");
    std::filesystem::create_symlink("dotfiles/current.ini", path);

    ASSERT_TRUE(files.WriteText(path, "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() + "/dotfiles/current.ini"));
    EXPECT_EQ(Bytes(real), "new");
    EXPECT_EQ(files.ReadText(path), "new");
}

TEST_F(PosixTextFilesTest, ADanglingLinkGetsItsTargetMade) {
    std::filesystem::create_symlink(folder.path() + "/elsewhere.ini", path);
    ASSERT_TRUE(files.WriteText(path, "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_EQ(Bytes(folder.path() + "/elsewhere.ini"), "new");
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
