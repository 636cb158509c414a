#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bar/accessible_names.h"
#include "bar_window_fixture.h"
#include "platform/win32/win32_picture.h"
#include "ui/win32/picture_paint.h"

namespace zelvo::win32 {
namespace {

using BarWindowKeysTest = BarWindowTest;

// The selection of an EDIT, start and end in UTF-16 units.
using Range = std::pair<DWORD, DWORD>;

Range Selection(HWND edit) {
    Range selection{};
    ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.first),
                   reinterpret_cast<LPARAM>(&selection.second));
    return selection;
}

TEST_F(BarWindowTest, IsAFramelessTaskBarWindowOfItsOwnClass) {
    HWND barWindow = window->hwnd();
    wchar_t className[32] = {};
    ::GetClassNameW(barWindow, className, 32);
    EXPECT_STREQ(className, L"ZelvoBar");
    EXPECT_EQ(Text(barWindow), "Zelvo");
    const auto style = ::GetWindowLongPtrW(barWindow, GWL_STYLE);
    const auto extended = ::GetWindowLongPtrW(barWindow, GWL_EXSTYLE);
    EXPECT_NE(style & WS_POPUP, 0);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME), 0);
    EXPECT_EQ(extended & WS_EX_TOOLWINDOW, 0);
    EXPECT_NE(extended & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(::GetParent(window->box(3)), barWindow);
}

TEST_F(BarWindowTest, WindowAndBoxesStandWhereTheModelPutsThemInPixels) {
    const RECT place = ScreenRect(window->hwnd());
    EXPECT_EQ(place.left, 100);
    EXPECT_EQ(place.top, 100);
    EXPECT_EQ(place.right - place.left, 839);  // 12585 x 525 twips
    EXPECT_EQ(place.bottom - place.top, 35);
    EXPECT_TRUE(::IsWindowVisible(window->hwnd()));
    const RECT first = ClientRect(window->box(0));
    EXPECT_EQ(first.left, 26);
    EXPECT_EQ(first.top, 9);
    EXPECT_EQ(first.right, 115);
    EXPECT_EQ(first.bottom, 27);
    EXPECT_EQ(ClientRect(window->box(1)).left, 141);

    bar.text1[2].Width = 3000;
    bar.text1[4].Visible = false;
    bar.text1[5].Enabled = false;
    bar.Left = 3000;
    bar.Top = 300;
    window->Render();
    EXPECT_EQ(ClientRect(window->box(2)).right - ClientRect(window->box(2)).left, 200);
    EXPECT_FALSE(::IsWindowVisible(window->box(4)));
    EXPECT_TRUE(::IsWindowVisible(window->box(3)));
    EXPECT_FALSE(::IsWindowEnabled(window->box(5)));
    EXPECT_EQ(ScreenRect(window->hwnd()).left, 200);
    EXPECT_EQ(ScreenRect(window->hwnd()).top, 20);

    // Half pixels go to the even one, as on Linux: the factory place, centred on a
    // screen 800 pixels high, and that place moved down by a 40-pixel drag.
    bar.Top = 5737.5F;
    window->Render();
    EXPECT_EQ(ScreenRect(window->hwnd()).top, 382);
    bar.Top = 6337.5F;
    window->Render();
    EXPECT_EQ(ScreenRect(window->hwnd()).top, 422);

    bar.Visible = false;
    window->Render();
    EXPECT_FALSE(::IsWindowVisible(window->hwnd()));
}

// Windows' accessibility names an unlabelled edit box from the static text just
// before it: each box has a hidden one with its unit's name. (Wine's oleacc answers
// no accessible object for the boxes, so the label is checked where Windows finds it.)
TEST_F(BarWindowTest, BoxesAreNamedByTheirUnitsForScreenReaders) {
    for (int i = 0; i < kUnitBoxCount; ++i) {
        const HWND label = ::GetWindow(window->box(i), GW_HWNDPREV);
        ASSERT_NE(label, nullptr) << i;
        std::array<wchar_t, 16> className{};
        ::GetClassNameW(label, className.data(), static_cast<int>(className.size()));
        EXPECT_EQ(std::wstring(className.data()), L"Static") << i;
        std::array<wchar_t, 64> text{};
        ::GetWindowTextW(label, text.data(), static_cast<int>(text.size()));
        EXPECT_EQ(std::wstring(text.data()),
                  Widen(kUnitBoxAccessibleNames.at(static_cast<std::size_t>(i))));
        EXPECT_FALSE(::IsWindowVisible(label));
    }
}

TEST_F(BarWindowTest, BoxesShowTheModelsTextsTipsAndFont) {
    bar.text1[3].SetText("72.02");
    bar.text1[6].SetText("１２𠮷");
    bar.text1[6].SelStart = 2;
    bar.text1[6].SelLength = 1;
    window->Render();
    EXPECT_EQ(Text(window->box(3)), "72.02");
    EXPECT_EQ(Text(window->box(6)), "１２𠮷");
    EXPECT_EQ(Selection(window->box(6)), Range(2, 4));  // a surrogate pair

    EXPECT_EQ(::SendMessageW(window->toolTips(), TTM_GETTOOLCOUNT, 0, 0), kUnitBoxCount);
    wchar_t tip[64] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = window->hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(window->box(6));
    tool.lpszText = tip;
    ::SendMessageW(window->toolTips(), TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(Narrow(tip), "Twipを換算");

    auto* font = reinterpret_cast<HFONT>(::SendMessageW(window->box(1), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW shape{};
    ::GetObjectW(font, sizeof shape, &shape);
    EXPECT_EQ(shape.lfWeight, FW_BOLD);
    EXPECT_EQ(shape.lfHeight, -15);  // 11.25 points at 96 dpi
}

TEST_F(BarWindowKeysTest, EnterInTheQBoxConvertsAndTheBoxesShowTheResults) {
    bar.text1[4].SetText("1.00");
    window->Render();
    Type(2, L"12");
    EXPECT_EQ(bar.text1[2].Text, "12");
    EXPECT_EQ(Text(window->box(4)), "");  // the first digit empties the other boxes
    Type(2, L"\r");
    EXPECT_EQ(bar.text1[1].Text, "3.00");
    EXPECT_EQ(bar.text1[2].Text, "12.00");
    for (int i = 1; i < kUnitBoxCount; ++i) {
        EXPECT_EQ(Text(window->box(i)), bar.text1.at(static_cast<std::size_t>(i)).Text);
    }
    EXPECT_EQ(fake.toolkit.beeps, 0);
    EXPECT_EQ(changes, 3);
}

TEST_F(BarWindowKeysTest, RefusedCharactersBeepAndNeverReachTheBox) {
    Type(1, L"2x5.4 a");
    EXPECT_EQ(Text(window->box(1)), "25.4");
    EXPECT_EQ(bar.text1[1].Text, "25.4");
    EXPECT_EQ(fake.toolkit.beeps, 3);
    Type(0, L"1m+Q,x");  // the expression box takes the unit letters
    EXPECT_EQ(Text(window->box(0)), "1m+Q");
    EXPECT_EQ(fake.toolkit.beeps, 5);
    Type(4, L"\x1B");
    EXPECT_EQ(fake.toolkit.beeps, 6);
}

TEST_F(BarWindowKeysTest, KeysThatTypeControlCharactersReachTheHandlerAsTheirCodes) {
    Type(5, L"96");
    const auto typedBy = [](UINT virtualKey) {
        return static_cast<LPARAM>(1 | (::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC) << 16));
    };
    ::SendMessageW(window->box(5), WM_CHAR, 0x7F, typedBy(VK_BACK));  // Ctrl+Backspace
    EXPECT_EQ(Text(window->box(5)), "9");
    ::SendMessageW(window->box(5), WM_CHAR, L'\t', typedBy(VK_TAB));
    EXPECT_EQ(Text(window->box(5)), "9");
    EXPECT_EQ(fake.toolkit.beeps, 0);
    ::SendMessageW(window->box(5), WM_CHAR, L'\n', typedBy(VK_RETURN));  // Ctrl+Enter
    EXPECT_EQ(bar.text1[1].Text, "2.38");
    EXPECT_EQ(Text(window->box(1)), "2.38");
}

TEST_F(BarWindowKeysTest, CtrlASelectsTheWholeTextInTheBoxAndTheModel) {
    bar.text1[5].SetText("96.00");
    window->Render();
    Type(5, L"\x01");
    EXPECT_EQ(Selection(window->box(5)), Range(0, 5));
    EXPECT_EQ(bar.text1[5].SelLength, 5);
    Type(5, L"7");
    EXPECT_EQ(bar.text1[5].Text, "7");
}

TEST_F(BarWindowKeysTest, InputMethodTextPassesTheHandlerCharacterByCharacter) {
    Type(0, L"1２a+q", WM_IME_CHAR);
    EXPECT_EQ(Text(window->box(0)), "1+q");
    EXPECT_EQ(bar.text1[0].Text, "1+q");
    EXPECT_EQ(fake.toolkit.beeps, 2);
    Type(1, L"ｍ\U00020BB7", WM_IME_CHAR);
    EXPECT_EQ(Text(window->box(1)), "");
    EXPECT_EQ(fake.toolkit.beeps, 4);  // the pair is one character
}

TEST_F(BarWindowKeysTest, ALongPastedExpressionIsKeptWhole) {
    std::wstring expression = L"1";
    for (int i = 0; i < 20000; ++i) {
        expression += L"+1";
    }
    ::SendMessageW(window->box(0), EM_REPLACESEL, TRUE,
                   reinterpret_cast<LPARAM>(expression.c_str()));
    EXPECT_EQ(bar.text1[0].Text.size(), expression.size());
    Type(0, L"\r");
    EXPECT_EQ(Text(window->box(1)), "20001.00");
}

TEST_F(BarWindowKeysTest, TheFocusSelectsTheWholeTextAndTabMovesItOn) {
    bar.text1[2].SetText("101.60");
    bar.text1[3].SetText("72.02");
    window->Render();
    ::SetFocus(window->box(2));
    ASSERT_EQ(::GetFocus(), window->box(2));
    EXPECT_EQ(bar.ActiveControl, 2);
    EXPECT_EQ(Selection(window->box(2)), Range(0, 6));

    ::SendMessageW(window->box(2), WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(::GetFocus(), window->box(3));
    EXPECT_EQ(bar.ActiveControl, 3);
    EXPECT_EQ(Selection(window->box(3)), Range(0, 5));

    ::SendMessageW(window->box(3), EM_SETSEL, 1, 1);  // the user moves the caret
    EXPECT_EQ(bar.text1[3].SelStart, 1);
    EXPECT_EQ(bar.text1[3].SelLength, 0);
    window->Render();  // and another window re-renders: the caret stays
    EXPECT_EQ(Selection(window->box(3)), Range(1, 1));
}

TEST_F(BarWindowTest, AMoveTheSystemMadeBecomesTheBarsPosition) {
    bar.Top = 1507.5F;  // 100.5 pixels
    window->Render();
    EXPECT_EQ(bar.Top, 1507.5F);  // its own placement keeps the exact twips

    ::ShowWindow(window->hwnd(), SW_MINIMIZE);  // the minimised window's place is no position
    EXPECT_EQ(bar.Left, 1500.0F);
    window->Render();  // a bar the model shows comes back
    EXPECT_FALSE(::IsIconic(window->hwnd()));
    EXPECT_TRUE(::IsWindowVisible(window->hwnd()));

    ::SetWindowPos(window->hwnd(), nullptr, 200, 300, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(bar.Left, 3000.0F);
    EXPECT_EQ(bar.Top, 4500.0F);
    window->Render();
    EXPECT_EQ(ScreenRect(window->hwnd()).left, 200);
}

// A picture of one colour, opaque.
PictureRef Plain(int width, int height, std::uint32_t colour) {
    return std::make_shared<Win32Picture>(
        width, height, "plain",
        std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour));
}

TEST_F(BarWindowTest, PicturesArePaintedBackToFrontWhereTheModelPutsThem) {
    constexpr std::uint32_t kRed = 0xFFFF0000;
    constexpr std::uint32_t kBlue = 0xFF0000FF;
    bar.ShowPicture(bar.Image2, Plain(2, 2, kBlue));         // stretched over 26 to 805 pixels
    bar.ShowPicture(bar.BorderImg[1], Plain(26, 33, kRed));  // 230 to 256 pixels
    window->Render();
    const auto painted = [this](int x, int y) {
        const DibSection client(839, 35);
        ::SendMessageW(window->hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(client.dc()),
                       PRF_CLIENT);
        return client.Pixel(x, y) & 0xFFFFFFU;
    };
    EXPECT_EQ(painted(240, 10), kRed & 0xFFFFFFU);
    EXPECT_EQ(painted(229, 10), kBlue & 0xFFFFFFU);
    EXPECT_EQ(painted(800, 30), kBlue & 0xFFFFFFU);
    const auto windowColour = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(painted(10, 10), static_cast<std::uint32_t>(GetRValue(windowColour)) << 16 |
                                   GetGValue(windowColour) << 8 | GetBValue(windowColour));

    bar.BorderImg[1].Visible = false;
    window->Render();
    EXPECT_EQ(painted(240, 10), kBlue & 0xFFFFFFU);
}

TEST_F(BarWindowTest, ClosingTheWindowEndsTheProgram) {
    ::SendMessageW(window->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(fake.toolkit.quits, 1);
    EXPECT_FALSE(bar.Visible);
    EXPECT_TRUE(::IsWindow(window->hwnd()));
    EXPECT_FALSE(::IsWindowVisible(window->hwnd()));
}

}  // namespace
}  // namespace zelvo::win32
