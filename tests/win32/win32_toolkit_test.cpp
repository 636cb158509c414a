#include "platform/win32/win32_toolkit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "bar/skin_roles.h"
#include "fake/gif_files.h"
#include "platform/win32/win32_picture.h"

namespace zelvo {
namespace {

const Win32Picture& PixelsOf(const PictureRef& picture) {
    return dynamic_cast<const Win32Picture&>(*picture);
}

class Win32ToolkitTest : public ::testing::Test {
  protected:
    fake::ProgramFolder folder_;
    Win32Toolkit toolkit_{::GetModuleHandleW(nullptr)};
};

TEST_F(Win32ToolkitTest, GifPixelsArePremultipliedAndTransparentOnesAreZero) {
    const std::string path = folder_.path() + "/skin/x/colours.gif";
    fake::WriteIndexedGif(path, {.width = 3,
                                 .height = 2,
                                 .colours = {0x336699, 0xFF0000, 0x00FF80, 0xFFFFFF},
                                 .transparent = 3,
                                 .imageWidth = 3,
                                 .imageHeight = 2,
                                 .indexes = {0, 1, 2, 3, 3, 0}});
    const PictureRef picture = toolkit_.LoadPicture(path);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width, 3);
    EXPECT_EQ(picture->height, 2);
    EXPECT_EQ(picture->origin, path);
    EXPECT_EQ(PixelsOf(picture).pixels,
              (std::vector<std::uint32_t>{0xFF336699, 0xFFFF0000, 0xFF00FF80, 0, 0, 0xFF336699}));
}

TEST_F(Win32ToolkitTest, AGifIsAsLargeAsItsScreenWithTheImageInItsPlace) {
    const std::string path = folder_.path() + "/skin/x/placed.gif";
    fake::WriteIndexedGif(path, {.width = 4,
                                 .height = 3,
                                 .colours = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF},
                                 .left = 1,
                                 .top = 1,
                                 .imageWidth = 2,
                                 .imageHeight = 1,
                                 .indexes = {1, 2}});
    const PictureRef picture = toolkit_.LoadPicture(path);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width, 4);
    EXPECT_EQ(picture->height, 3);
    EXPECT_EQ(PixelsOf(picture).pixels,
              (std::vector<std::uint32_t>{0, 0, 0, 0,                    //
                                          0, 0xFFFF0000, 0xFF00FF00, 0,  //
                                          0, 0, 0, 0}));
}

TEST_F(Win32ToolkitTest, RefusesMissingBrokenAndOversizedFiles) {
    EXPECT_EQ(toolkit_.LoadPicture(folder_.path() + "/missing.gif"), nullptr);
    EXPECT_EQ(toolkit_.LoadPicture(folder_.path() + "/skin"), nullptr);  // a folder

    const std::string text = folder_.path() + "/text.gif";
    std::ofstream(text) << "not a picture";
    EXPECT_EQ(toolkit_.LoadPicture(text), nullptr);
    const std::string empty = folder_.path() + "/empty.gif";
    std::ofstream{empty};
    EXPECT_EQ(toolkit_.LoadPicture(empty), nullptr);

    // The size that counts is the screen's, however small the image on it.
    const auto huge = folder_.SkinFolder("x") / "huge.gif";
    fake::WriteGif(huge, 60000, 60000, 1, 1);
    EXPECT_EQ(toolkit_.LoadPicture(huge.string()), nullptr);
    const auto wide = folder_.SkinFolder("x") / "wide.gif";
    fake::WriteGif(wide, static_cast<int>(PictureDecoder::kMaxPictureSide) + 1, 2, 1, 1);
    EXPECT_EQ(toolkit_.LoadPicture(wide.string()), nullptr);
    const auto widest = folder_.SkinFolder("x") / "widest.gif";
    fake::WriteGif(widest, static_cast<int>(PictureDecoder::kMaxPictureSide), 2, 1, 1);
    const PictureRef largest = toolkit_.LoadPicture(widest.string());
    ASSERT_NE(largest, nullptr);
    EXPECT_EQ(largest->width, static_cast<int>(PictureDecoder::kMaxPictureSide));
}

TEST_F(Win32ToolkitTest, AnUnchangedFileIsNotReadAgainButARewrittenOneIs) {
    const auto path = folder_.SkinFolder("x") / "a.gif";
    fake::WriteGif(path, 30, 33);
    const PictureRef first = toolkit_.LoadPicture(path.string());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(toolkit_.LoadPicture(path.string()), first);

    fake::WriteGif(path, 40, 33);
    const PictureRef changed = toolkit_.LoadPicture(path.string());
    ASSERT_NE(changed, nullptr);
    EXPECT_NE(changed, first);
    EXPECT_EQ(changed->width, 40);

    std::filesystem::remove(path);
    EXPECT_EQ(toolkit_.LoadPicture(path.string()), nullptr);
}

TEST_F(Win32ToolkitTest, ScreenIsMeasuredInTwipsOfTheSystemDensity) {
    EXPECT_EQ(toolkit_.TwipsPerPixelX(), 15.0F);
    EXPECT_EQ(toolkit_.TwipsPerPixelY(), 15.0F);
    EXPECT_EQ(toolkit_.ScreenWidth(), ::GetSystemMetrics(SM_CXSCREEN) * 15.0F);
    EXPECT_EQ(toolkit_.ScreenHeight(), ::GetSystemMetrics(SM_CYSCREEN) * 15.0F);
}

// The built-in pictures are resources of zelvo.exe, which the build puts above the tests.
TEST(Win32ToolkitBuiltinTest, BuiltInPicturesComeFromTheProgramsResources) {
    Win32Toolkit withoutResources(::GetModuleHandleW(nullptr));
    EXPECT_EQ(withoutResources.BuiltinPicture(1), nullptr);
    EXPECT_EQ(withoutResources.BuiltinPicture(0), nullptr);
    EXPECT_EQ(withoutResources.BuiltinPicture(11), nullptr);

    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::filesystem::path program =
        std::filesystem::path(self).parent_path().parent_path() / "zelvo.exe";
    const HMODULE module = ::LoadLibraryExW(
        program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) {
        GTEST_SKIP() << "zelvo.exe is not built";
    }
    {
        Win32Toolkit toolkit(module);
        for (int slot = 1; slot <= 10; ++slot) {
            const PictureRef picture = toolkit.BuiltinPicture(slot);
            ASSERT_NE(picture, nullptr) << "slot " << slot;
            EXPECT_EQ(picture->width, slot == kSlotRightEnd ? 34 : 26);
            EXPECT_EQ(picture->height, 33);
            EXPECT_EQ(picture->origin,
                      ":/builtin/" + std::string(kSkinRoles[static_cast<std::size_t>(slot - 1)]) +
                          ".gif");
            EXPECT_EQ(toolkit.BuiltinPicture(slot), picture);
        }
    }
    ::FreeLibrary(module);
}

}  // namespace
}  // namespace zelvo
