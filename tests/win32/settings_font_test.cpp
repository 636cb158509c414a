#include "ui/win32/dialog_font.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zelvo::win32 {
namespace {

TEST(SettingsFontTest, PGothicIsPreferredUnderEitherOfItsNames) {
    EXPECT_EQ(ChooseDialogFace({L"Meiryo UI", L"ＭＳ Ｐゴシック", L"Yu Gothic UI"}, L"Tahoma"),
              L"ＭＳ Ｐゴシック");
    EXPECT_EQ(ChooseDialogFace({L"Meiryo UI", L"MS PGothic", L"Yu Gothic UI"}, L"Tahoma"),
              L"MS PGothic");
    EXPECT_EQ(ChooseDialogFace({L"ms pgothic"}, L"Tahoma"), L"ms pgothic");
}

TEST(SettingsFontTest, OtherJapaneseUiFacesFollowInTheirOrder) {
    EXPECT_EQ(ChooseDialogFace({L"Meiryo UI", L"Yu Gothic UI", L"IPAPGothic"}, L"Tahoma"),
              L"Yu Gothic UI");
    EXPECT_EQ(ChooseDialogFace({L"IPAPGothic", L"Meiryo UI"}, L"Tahoma"), L"Meiryo UI");
    EXPECT_EQ(ChooseDialogFace({L"Arial", L"IPAPGothic"}, L"Tahoma"), L"IPAPGothic");
    // Neither a vertical face nor one whose name only begins the same is taken.
    EXPECT_EQ(ChooseDialogFace({L"@ＭＳ Ｐゴシック", L"MS PGothic Bold", L"Meiryo"}, L"Tahoma"),
              L"Tahoma");
    EXPECT_EQ(ChooseDialogFace({}, L"Segoe UI"), L"Segoe UI");
}

TEST(SettingsFontTest, TheChosenFaceIsInstalledOrTheSystemsOwn) {
    const std::vector<std::wstring> installed = InstalledFaces();
    EXPECT_FALSE(installed.empty());
    EXPECT_EQ(std::count(installed.begin(), installed.end(), installed.front()), 1);
    const std::wstring& face = DialogFontFace();
    EXPECT_EQ(&face, &DialogFontFace());
    const std::wstring preferred = ChooseDialogFace(installed, L"");
    if (!preferred.empty()) {
        EXPECT_EQ(face, preferred);
        return;
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    EXPECT_EQ(face, std::wstring(metrics.lfMessageFont.lfFaceName));
}

TEST(SettingsFontTest, FontsAreMadeAtTheWindowsDpi) {
    EXPECT_EQ(FontHeight(9, 96), -12);
    EXPECT_EQ(FontHeight(9, 144), -18);
    EXPECT_EQ(FontHeight(9, 120), -15);
    EXPECT_EQ(FontHeight(14, 96), -19);

    const UniqueFont font = MakeFont(L"IPAPGothic", 9, 192, true);
    ASSERT_NE(font, nullptr);
    LOGFONTW made{};
    ASSERT_EQ(::GetObjectW(font.get(), sizeof made, &made), static_cast<int>(sizeof made));
    EXPECT_EQ(made.lfHeight, -24);
    EXPECT_EQ(made.lfWeight, FW_BOLD);
    EXPECT_EQ(std::wstring(made.lfFaceName), L"IPAPGothic");

    const std::wstring longName(80, L'x');
    const UniqueFont cut = MakeFont(longName, 9, 96);
    ASSERT_NE(cut, nullptr);
    ASSERT_EQ(::GetObjectW(cut.get(), sizeof made, &made), static_cast<int>(sizeof made));
    EXPECT_EQ(std::wstring(made.lfFaceName), std::wstring(LF_FACESIZE - 1, L'x'));
}

LONG TextWidth(std::wstring_view text, double points) {
    const UniqueFont font = MakeFont(L"IPAPGothic", points, 96);
    HDC screen = ::GetDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(screen, font.get());
    SIZE extent{};
    ::GetTextExtentPoint32W(screen, text.data(), static_cast<int>(text.size()), &extent);
    ::SelectObject(screen, previous);
    ::ReleaseDC(nullptr, screen);
    return extent.cx;
}

TEST(SettingsFontTest, TextsTooWideForTheirRoomGetTheLargestSizeThatFits) {
    const std::wstring text = L"win(96ppi)";
    const LONG full = TextWidth(text, 9);
    const LONG tall = 40;
    EXPECT_EQ(FittingPointSize(L"IPAPGothic", 9, 6, 96, {{text, {full, tall}}}), 9);
    EXPECT_EQ(
        FittingPointSize(L"IPAPGothic", 9, 6, 96, {{L"(ppi)", {99, tall}}, {text, {full, tall}}}),
        9);

    const double smaller = FittingPointSize(L"IPAPGothic", 9, 6, 96, {{text, {full - 4, tall}}});
    EXPECT_LT(smaller, 9);
    EXPECT_GE(smaller, 6.5);
    EXPECT_LE(TextWidth(text, smaller), full - 4);
    EXPECT_GT(TextWidth(text, smaller + 0.5), full - 4);  // the largest that fits

    EXPECT_EQ(FittingPointSize(L"IPAPGothic", 9, 6, 96, {{text, {2, tall}}}), 6);
    EXPECT_EQ(FittingPointSize(L"IPAPGothic", 9, 6, 96, {{text, {full, 3}}}), 6);
    EXPECT_EQ(FittingPointSize(L"IPAPGothic", 9, 6, 96, {}), 9);
}

}  // namespace
}  // namespace zelvo::win32
