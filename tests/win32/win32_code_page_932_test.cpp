#include "platform/win32/win32_code_page_932.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

const std::string r = "\xEF\xBF\xBD";  // U+FFFD

TEST(CodePage932Test, JapaneseTextAndJisFormsAreWrittenAsTheLinuxProgramWritesThem) {
    const std::string text = "/SkinPath\r\nskin_和風 スキン かな １２ ｱｲ\r\n";
    const std::string bytes =
        "/SkinPath\r\nskin_\x98\x61\x95\x97 \x83\x58\x83\x4C\x83\x93 \x82\xA9\x82\xC8 "
        "\x82\x50\x82\x51 \xB1\xB2\r\n";
    bool replaced = true;
    EXPECT_EQ(EncodeCodePage932(text, replaced), bytes);
    EXPECT_FALSE(replaced);
    EXPECT_EQ(DecodeCodePage932(bytes), text);
    EXPECT_EQ(EncodeCodePage932("\xEE\x80\x81", replaced), "\xF0\x41");  // user-defined U+E001
    EXPECT_EQ(EncodeCodePage932("¥‾〜−‖—¢£¬", replaced),
              "\x5C\x7E\x81\x60\x81\x7C\x81\x61\x81\x5C\x81\x91\x81\x92\x81\xCA");
    EXPECT_FALSE(replaced);
}

// A byte that starts no character reads as U+FFFD on its own; the bytes after it
// are read afresh.
TEST(CodePage932Test, BytesThatStartNoCharacterReadAsReplacementCharacters) {
    EXPECT_EQ(DecodeCodePage932("\x81\r\n\xA0\xFD\x82"), r + "\r\n" + r + r + r);
    EXPECT_EQ(DecodeCodePage932("\x80|\xFE|\xFF"), r + "|" + r + "|" + r);
    EXPECT_EQ(DecodeCodePage932("\x82\x41"), r + "A");       // a trail its lead lacks
    EXPECT_EQ(DecodeCodePage932("\x85\x40x"), r + "@x");     // a row left empty
    EXPECT_EQ(DecodeCodePage932("\x83\x58\x81"), "ス" + r);  // cut off after a lead byte
    EXPECT_EQ(DecodeCodePage932(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(CodePage932Test, WhatTheCodePageLacksIsOneQuestionMarkNeverALookAlike) {
    bool replaced = false;
    EXPECT_EQ(EncodeCodePage932("a😀b", replaced), "a?b");
    EXPECT_TRUE(replaced);
    EXPECT_EQ(EncodeCodePage932("€ 한글 ½ é", replaced), "? ?? ? ?");
    // The system's table has code points for these bytes, which are no characters.
    EXPECT_EQ(EncodeCodePage932("\xC2\x80\xEF\xA3\xB0", replaced), "??");  // U+0080, U+F8F0
    // Language tags add nothing to the flag they follow.
    EXPECT_EQ(EncodeCodePage932("🏴\U000E0067\U000E0062\U000E007F!", replaced), "?!");
    // Each byte that starts no UTF-8 character.
    EXPECT_EQ(EncodeCodePage932("\xC3\x41\x42", replaced), "?AB");
    EXPECT_EQ(EncodeCodePage932("\xF0\x9F\x98", replaced), "???");
    EXPECT_EQ(EncodeCodePage932("\xE3\x82\xB9\xE3\x82", replaced), "\x83\x58??");
    EXPECT_EQ(EncodeCodePage932("\xC0\xAF|\xED\xA0\x80|\x80", replaced), "??|???|?");
    EXPECT_TRUE(replaced);
}

}  // namespace
}  // namespace zelvo
