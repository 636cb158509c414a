#include "platform/x11/vk_keysyms.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

namespace zelvo::x11 {
namespace {

constexpr int kOem102 = 0xE2;

// The symbol keys of a US keyboard, unshifted and shifted; their Latin-1 keysyms
// are their characters.
constexpr std::string_view kUnshifted = "`1234567890-=[]\\;',./";
constexpr std::string_view kShifted = "~!@#$%^&*()_+{}|:\"<>?";

TEST(VkKeysymsTest, AnchorCodes) {
    EXPECT_EQ(KeysymForVirtualKey(0x4B), XK_K);
    EXPECT_EQ(VirtualKeyForKeysym(XK_K), 0x4B);
    EXPECT_EQ(KeysymForVirtualKey(0x35), XK_5);
    EXPECT_EQ(KeysymForVirtualKey(0x70), XK_F1);
    EXPECT_EQ(VirtualKeyForKeysym(XK_F1), 0x70);
    EXPECT_EQ(KeysymForVirtualKey(0x87), XK_F24);
    EXPECT_EQ(VirtualKeyForKeysym(XK_F24), 0x87);
    EXPECT_EQ(KeysymForVirtualKey(0xBA), XK_semicolon);
    EXPECT_EQ(VirtualKeyForKeysym(XK_semicolon), 0xBA);
    EXPECT_EQ(KeysymForVirtualKey(0x21), XK_Page_Up);
    EXPECT_EQ(KeysymForVirtualKey(0x5D), XK_Menu);
    EXPECT_EQ(KeysymForVirtualKey(0x67), XK_KP_7);
}

TEST(VkKeysymsTest, CoversTheKeysOfAFullKeyboard) {
    const auto covered = [](int first, int last) {
        for (int code = first; code <= last; ++code) {
            EXPECT_NE(KeysymForVirtualKey(code), 0U) << std::hex << code;
        }
    };
    covered(0x30, 0x39);  // digits
    covered(0x41, 0x5A);  // letters
    covered(0x60, 0x6F);  // keypad
    covered(0x70, 0x87);  // F1 to F24
    covered(0x21, 0x28);  // Page Up to Down
    covered(0xBA, 0xC0);  // US symbol keys
    covered(0xDB, 0xDE);
    for (const int code :
         {0x08, 0x09, 0x0D, 0x13, 0x14, 0x1B, 0x20, 0x2C, 0x2D, 0x2E, 0x5D, 0x90, 0x91, kOem102}) {
        covered(code, code);
    }
}

TEST(VkKeysymsTest, EveryCodeComesBackFromItsKeysym) {
    for (int code = 0; code <= 0xFF; ++code) {
        const std::uint32_t keysym = KeysymForVirtualKey(code);
        if (keysym != 0 && code != kOem102) {
            EXPECT_EQ(VirtualKeyForKeysym(keysym), code) << std::hex << code;
        }
    }
}

TEST(VkKeysymsTest, EveryKeysymGivesACodeThatHasAKeysym) {
    const auto check = [](std::uint32_t first, std::uint32_t last) {
        for (std::uint32_t keysym = first; keysym <= last; ++keysym) {
            if (const int code = VirtualKeyForKeysym(keysym); code != 0) {
                EXPECT_NE(KeysymForVirtualKey(code), 0U) << std::hex << keysym;
            }
        }
    };
    check(0x20, 0xFF);      // Latin-1
    check(0xFE00, 0xFFFF);  // function, keypad and editing keys
}

TEST(VkKeysymsTest, LetterCaseDoesNotMatter) {
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(VirtualKeyForKeysym(XK_a + i), 0x41 + i);
        EXPECT_EQ(KeysymForVirtualKey(0x41 + i), XK_A + static_cast<std::uint32_t>(i));
    }
}

TEST(VkKeysymsTest, ShiftedSymbolsGiveTheCodeOfTheirKey) {
    ASSERT_EQ(kUnshifted.size(), kShifted.size());
    for (std::size_t i = 0; i < kShifted.size(); ++i) {
        const int code = VirtualKeyForKeysym(static_cast<unsigned char>(kUnshifted[i]));
        EXPECT_NE(code, 0) << kUnshifted[i];
        EXPECT_EQ(VirtualKeyForKeysym(static_cast<unsigned char>(kShifted[i])), code)
            << kShifted[i];
        EXPECT_EQ(KeysymForVirtualKey(code), static_cast<unsigned char>(kUnshifted[i]));
    }
}

TEST(VkKeysymsTest, OtherLevelsOfAKeyGiveItsCode) {
    EXPECT_EQ(VirtualKeyForKeysym(XK_ISO_Left_Tab), 0x09);
    EXPECT_EQ(VirtualKeyForKeysym(XK_Sys_Req), 0x2C);
    EXPECT_EQ(VirtualKeyForKeysym(XK_Break), 0x13);
}

TEST(VkKeysymsTest, KeypadDigitsAndOperatorsHaveTheirOwnCodes) {
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(VirtualKeyForKeysym(XK_KP_0 + i), 0x60 + i);
    }
    EXPECT_EQ(VirtualKeyForKeysym(XK_KP_Multiply), 0x6A);
    EXPECT_EQ(VirtualKeyForKeysym(XK_KP_Add), 0x6B);
    EXPECT_EQ(VirtualKeyForKeysym(XK_KP_Separator), 0x6C);
    EXPECT_EQ(VirtualKeyForKeysym(XK_KP_Subtract), 0x6D);
    EXPECT_EQ(VirtualKeyForKeysym(XK_KP_Decimal), 0x6E);
    EXPECT_EQ(VirtualKeyForKeysym(XK_KP_Divide), 0x6F);
}

TEST(VkKeysymsTest, KeypadWithoutNumLockGivesTheCodesOfTheMainKeys) {
    const std::uint32_t pairs[][2] = {
        {XK_KP_Home, XK_Home},     {XK_KP_End, XK_End},     {XK_KP_Prior, XK_Prior},
        {XK_KP_Next, XK_Next},     {XK_KP_Left, XK_Left},   {XK_KP_Up, XK_Up},
        {XK_KP_Right, XK_Right},   {XK_KP_Down, XK_Down},   {XK_KP_Insert, XK_Insert},
        {XK_KP_Delete, XK_Delete}, {XK_KP_Begin, XK_Clear}, {XK_KP_Enter, XK_Return},
    };
    for (const auto& [keypad, main] : pairs) {
        const int code = VirtualKeyForKeysym(main);
        EXPECT_NE(code, 0) << std::hex << main;
        EXPECT_EQ(VirtualKeyForKeysym(keypad), code) << std::hex << keypad;
        EXPECT_EQ(KeysymForVirtualKey(code), main);
    }
}

TEST(VkKeysymsTest, JapaneseSecondBackslashKeyIsFoundByItsUnderscore) {
    EXPECT_EQ(KeysymForVirtualKey(kOem102), XK_underscore);
    EXPECT_EQ(VirtualKeyForKeysym(XK_underscore), 0xBD);
    EXPECT_EQ(VirtualKeyForKeysym(XK_backslash), 0xDC);
}

TEST(VkKeysymsTest, UnknownCodesAndKeysymsGiveZero) {
    for (const int code : {-1, 0, 0x01, 0x10, 0x11, 0x12, 0x5B, 0x88, 0xA0, 0xFF, 0x100}) {
        EXPECT_EQ(KeysymForVirtualKey(code), 0U) << code;
    }
    const std::uint32_t unknown[] = {0,      XK_Shift_L, XK_Control_R, XK_Alt_L,     XK_Super_L,
                                     XK_F25, XK_eacute,  XK_KP_Equal,  XK_VoidSymbol};
    for (const std::uint32_t keysym : unknown) {
        EXPECT_EQ(VirtualKeyForKeysym(keysym), 0) << std::hex << keysym;
    }
}

}  // namespace
}  // namespace zelvo::x11
