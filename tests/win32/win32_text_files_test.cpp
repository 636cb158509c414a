#include "platform/win32/win32_text_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fake/gif_files.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_atomic_file.h"
#include "platform/win32/windows_api.h"

namespace zelvo {
namespace {

class Win32TextFilesTest : public ::testing::Test {
  protected:
    std::string Bytes() const {
        std::ifstream in(std::filesystem::path(win32::Widen(path)), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Entries in the folder: setting.ini and skin, or a temporary file left behind too.
    long Entries() const {
        return std::distance(std::filesystem::directory_iterator(win32::Widen(folder.path())),
                             std::filesystem::directory_iterator());
    }

    fake::ProgramFolder folder;
    std::string path = folder.path() + "/setting.ini";
    Win32TextFiles files;
};

TEST_F(Win32TextFilesTest, WritesTheBytesTheLinuxProgramWritesAndReadsThemBack) {
    ASSERT_TRUE(files.WriteText(path, "/SkinPath\r\nスキン_ｱ\r\n/HotKey(sChar)\r\n€\r\n"));
    EXPECT_EQ(Bytes(), "/SkinPath\r\n\x83\x58\x83\x4C\x83\x93_\xB1\r\n/HotKey(sChar)\r\n?\r\n");
    EXPECT_EQ(files.ReadText(path), "/SkinPath\r\nスキン_ｱ\r\n/HotKey(sChar)\r\n?\r\n");
    ASSERT_TRUE(files.WriteText(path, "new"));
    EXPECT_EQ(files.ReadText(path), "new");
    EXPECT_EQ(Entries(), 2);

    const std::string japaneseFolder = folder.path() + "/設定 フォルダ";
    std::filesystem::create_directory(win32::Widen(japaneseFolder));
    ASSERT_TRUE(files.WriteText(japaneseFolder + "/setting.ini", "\r\n"));
    EXPECT_EQ(files.ReadText(japaneseFolder + "\\setting.ini"), "\r\n");
}

// The same characters as the Linux program names, so both say the same.
TEST_F(Win32TextFilesTest, NamesTheCharactersTheCodePageLacksOnceEach) {
    EXPECT_EQ(files.Unwritable("skin_한😀한 ﾎｯﾄ １２ 和風?"), "한😀");
    EXPECT_EQ(files.Unwritable("½é"), "½é");
    EXPECT_EQ(files.Unwritable("/SkinPath\r\nskin_和風\r\n"), "");
}

TEST_F(Win32TextFilesTest, MissingFilesAndFoldersAreNeitherReadNorWritten) {
    EXPECT_FALSE(files.ReadText(folder.path() + "/missing.ini").has_value());
    EXPECT_FALSE(files.ReadText(folder.path()).has_value());
    EXPECT_FALSE(files.WriteText(folder.path() + "/no/such/folder/setting.ini", "x"));
}

// The move over the old file fails (the target is a folder, or another program holds
// the file without letting it be replaced): the old stays whole, no temporary is left.
TEST_F(Win32TextFilesTest, AReplacementThatFailsLeavesTheOldFileAndNoTemporary) {
    EXPECT_FALSE(WriteFileAtomically(folder.path() + "/skin", "settings"));
    EXPECT_TRUE(std::filesystem::is_directory(win32::Widen(folder.path() + "/skin")));

    ASSERT_TRUE(files.WriteText(path, "old settings"));
    const HANDLE held =
        ::CreateFileW(win32::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(files.ReadText(path), "old settings");  // read while another holds it
    EXPECT_FALSE(files.WriteText(path, "new settings"));
    ::CloseHandle(held);
    EXPECT_EQ(Bytes(), "old settings");
    EXPECT_EQ(Entries(), 2);
}

}  // namespace
}  // namespace zelvo
