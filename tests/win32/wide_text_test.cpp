#include "platform/win32/wide_text.h"

#include <gtest/gtest.h>

namespace zelvo::win32 {
namespace {

TEST(WideTextTest, JapaneseAndSupplementaryCharactersRoundTrip) {
    const std::string text = "skin_和風 ﾎｯﾄｷｰ １２ 𠮷";
    const std::wstring wide = Widen(text);
    EXPECT_EQ(wide, L"skin_和風 ﾎｯﾄｷｰ １２ \U00020BB7");
    EXPECT_EQ(Narrow(wide), text);
    EXPECT_EQ(Widen(""), L"");
    EXPECT_EQ(Narrow(L""), "");
}

TEST(WideTextTest, BrokenUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(Widen("a\xFF"
                    "b"),
              L"a\uFFFDb");
    EXPECT_EQ(Widen("\xE3\x81"), L"\uFFFD");
}

TEST(WideTextTest, PathsChangeSeparatorsOnly) {
    EXPECT_EQ(WindowsPath("C:/Program Files/Zelvo/skin/skin_和風"),
              L"C:\\Program Files\\Zelvo\\skin\\skin_和風");
    EXPECT_EQ(ModelPath(L"C:\\Users\\太郎\\AppData"), "C:/Users/太郎/AppData");
}

}  // namespace
}  // namespace zelvo::win32
