#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "platform/win32/wide_text.h"
#include "ui/win32/edit_text_sync.h"
#include "ui/win32/typed_character_filter.h"

namespace zelvo::win32 {
namespace {

// An EDIT control of its own, gone with the test.
class EditWindow {
  public:
    EditWindow()
        : window_(::CreateWindowExW(0, L"EDIT", L"", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 200, 24,
                                    nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr)) {}
    ~EditWindow() { ::DestroyWindow(window_); }
    EditWindow(const EditWindow&) = delete;
    EditWindow& operator=(const EditWindow&) = delete;

    HWND hwnd() const { return window_; }
    std::wstring Text() const {
        wchar_t text[256] = {};
        ::GetWindowTextW(window_, text, 256);
        return text;
    }
    void Type(std::wstring_view units) const {
        for (const wchar_t unit : units) {
            ::SendMessageW(window_, WM_CHAR, unit, 1);
        }
    }

  private:
    HWND window_;
};

TEST(SettingsTextSyncTest, SurrogatePairsAreOneCharacter) {
    const std::wstring text = L"a\U0001F600b\xD800";  // a, 😀, b, a lone surrogate
    EXPECT_EQ(CharactersBefore(text, 0), 0);
    EXPECT_EQ(CharactersBefore(text, 1), 1);
    EXPECT_EQ(CharactersBefore(text, 3), 2);
    EXPECT_EQ(CharactersBefore(text, 4), 3);
    EXPECT_EQ(CharactersBefore(text, 5), 4);
    EXPECT_EQ(CharactersBefore(text, 99), 4);
    EXPECT_EQ(CharactersBefore(text, -1), 0);
    EXPECT_EQ(UnitsBefore(text, 2), 3);
    EXPECT_EQ(UnitsBefore(text, 3), 4);
    EXPECT_EQ(UnitsBefore(text, 4), 5);
    EXPECT_EQ(UnitsBefore(text, 9), 5);
    EXPECT_EQ(UnitsBefore(text, -3), 0);
}

TEST(SettingsTextSyncTest, TextAndSelectionCrossBothWays) {
    const EditWindow edit;
    TextBox box;
    box.Text = "1😀23";
    box.SelStart = 2;
    box.SelLength = 1;
    CopyModelToEdit(box, edit.hwnd());
    EXPECT_EQ(edit.Text(),
              L"1\U0001F6002"
              L"3");
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageW(edit.hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 3U);
    EXPECT_EQ(end, 4U);

    ::SendMessageW(edit.hwnd(), EM_SETSEL, 1, 3);
    TextBox back;
    CopyEditToModel(edit.hwnd(), back);
    EXPECT_EQ(back.Text, "1😀23");
    EXPECT_EQ(back.SelStart, 1);
    EXPECT_EQ(back.SelLength, 1);

    // An unchanged text is not set again (setting it would clear the edit's modified
    // flag); a changed one is.
    ::SendMessageW(edit.hwnd(), EM_SETMODIFY, TRUE, 0);
    CopyModelToEdit(box, edit.hwnd());
    EXPECT_NE(::SendMessageW(edit.hwnd(), EM_GETMODIFY, 0, 0), 0);
    box.Text = "1";
    box.SelStart = 0;
    CopyModelToEdit(box, edit.hwnd());
    EXPECT_EQ(edit.Text(), L"1");
    EXPECT_EQ(::SendMessageW(edit.hwnd(), EM_GETMODIFY, 0, 0), 0);
}

TEST(SettingsTextFilterTest, TheHandlerSeesEachCharacterAndDecidesWhatIsTyped) {
    const EditWindow edit;
    std::vector<int> seen;
    ASSERT_TRUE(FilterTypedCharacters(edit.hwnd(), [&seen](int& code) {
        seen.push_back(code);
        if (code == 'x') {
            code = 0;
        } else if (code == 'u') {
            code = 'U';
        }
    }));
    edit.Type(L"axu\U0001F600b");
    EXPECT_EQ(edit.Text(), L"aU\U0001F600b");
    EXPECT_EQ(seen, (std::vector<int>{'a', 'x', 'u', 0x1F600, 'b'}));

    ::SendMessageW(edit.hwnd(), WM_IME_CHAR, L'和', 1);
    EXPECT_EQ(seen.back(), 0x548C);
    EXPECT_EQ(edit.Text(), L"aU\U0001F600b和");
}

TEST(SettingsTextFilterTest, AFailingHandlerDiscardsTheCharacter) {
    const EditWindow edit;
    ASSERT_TRUE(FilterTypedCharacters(edit.hwnd(), [](int& code) {
        if (code == '!') {
            throw std::runtime_error("refused");
        }
    }));
    edit.Type(L"a!b");
    EXPECT_EQ(edit.Text(), L"ab");
}

}  // namespace
}  // namespace zelvo::win32
