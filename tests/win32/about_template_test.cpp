#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/win32/about_box.h"
#include "ui/win32/dialog_template.h"

namespace zelvo::win32 {
namespace {

INT_PTR CALLBACK PlainProcedure(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// A dialog the dialog manager made from a template, gone with the test.
class BuiltDialog {
  public:
    explicit BuiltDialog(const DialogTemplate& form)
        : window_(::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), form.get(), nullptr,
                                               &PlainProcedure, 0)) {}
    ~BuiltDialog() { ::DestroyWindow(window_); }
    BuiltDialog(const BuiltDialog&) = delete;
    BuiltDialog& operator=(const BuiltDialog&) = delete;

    HWND hwnd() const { return window_; }
    std::wstring Text(HWND window) const {
        wchar_t text[64] = {};
        ::GetWindowTextW(window, text, 64);
        return text;
    }
    std::wstring Class(int id) const {
        wchar_t name[64] = {};
        ::GetClassNameW(::GetDlgItem(window_, id), name, 64);
        return name;
    }
    // A control's place in pixels, and the place given in dialog units.
    RECT Place(int id) const {
        RECT place{};
        ::GetWindowRect(::GetDlgItem(window_, id), &place);
        ::MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    // As the dialog manager converts them: the position and the size each on their own.
    RECT Pixels(const DialogUnits& units) const {
        RECT place{units.x, units.y, units.cx, units.cy};
        ::MapDialogRect(window_, &place);
        return {place.left, place.top, place.left + place.right, place.top + place.bottom};
    }

  private:
    HWND window_;
};

std::vector<int> Edges(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

DWORD StyleOf(HWND window) {
    return static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE));
}

// Texts of odd and even lengths put each control at another WORD boundary; the
// template keeps every one on a DWORD boundary, or the dialog manager reads rubbish.
TEST(AboutTemplateTest, TheDialogManagerBuildsWhatTheTemplateSays) {
    DialogTemplate form(WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, {0, 0, 160, 90}, L"ﾊﾞｰｼﾞｮﾝ情報",
                        L"IPAPGothic", 9);
    const DialogUnits okPlace{10, 20, 50, 14};
    form.Add({7, ControlClass::Button, L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, okPlace});
    form.Add(
        {8, ControlClass::Edit, L"000", WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE, {10, 40, 50, 12}});
    form.Add({9, ControlClass::Static, L"設定", WS_CHILD | SS_RIGHT, 0, {70, 40, 80, 10}});
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(form.get()) % 4, 0U);

    const BuiltDialog dialog(form);
    ASSERT_NE(dialog.hwnd(), nullptr);
    EXPECT_EQ(dialog.Text(dialog.hwnd()), L"ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_NE(::GetWindowLongPtrW(dialog.hwnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(dialog.hwnd(), WM_GETFONT, 0, 0)),
                 sizeof font, &font);
    EXPECT_EQ(std::wstring(font.lfFaceName), L"IPAPGothic");

    EXPECT_EQ(dialog.Class(7), L"Button");
    EXPECT_EQ(dialog.Text(::GetDlgItem(dialog.hwnd(), 7)), L"OK");
    EXPECT_EQ(Edges(dialog.Place(7)), Edges(dialog.Pixels(okPlace)));
    EXPECT_EQ(dialog.Class(8), L"Edit");
    EXPECT_EQ(dialog.Text(::GetDlgItem(dialog.hwnd(), 8)), L"000");
    EXPECT_NE(::GetWindowLongPtrW(::GetDlgItem(dialog.hwnd(), 8), GWL_EXSTYLE) & WS_EX_CLIENTEDGE,
              0);
    EXPECT_EQ(dialog.Class(9), L"Static");
    EXPECT_EQ(dialog.Text(::GetDlgItem(dialog.hwnd(), 9)), L"設定");
    EXPECT_EQ(StyleOf(::GetDlgItem(dialog.hwnd(), 9)) & (SS_TYPEMASK | WS_VISIBLE),
              DWORD{SS_RIGHT});
}

TEST(AboutTemplateTest, TheAboutBoxsControlsLieApartInsideIt) {
    const BuiltDialog box(AboutBoxTemplate(L"IPAPGothic", 9));
    ASSERT_NE(box.hwnd(), nullptr);
    const DWORD style = StyleOf(box.hwnd());
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), DWORD{WS_CAPTION | WS_SYSMENU});
    EXPECT_EQ(style & DS_NOIDLEMSG, 0U);  // its owner hears when it waits

    std::vector<int> ids;
    std::vector<RECT> places;
    RECT client{};
    ::GetClientRect(box.hwnd(), &client);
    for (HWND control = ::GetWindow(box.hwnd(), GW_CHILD); control != nullptr;
         control = ::GetWindow(control, GW_HWNDNEXT)) {
        const int id = ::GetDlgCtrlID(control);
        ids.push_back(id);
        const RECT place = box.Place(id);
        RECT inside{};
        ::IntersectRect(&inside, &place, &client);
        EXPECT_TRUE(::EqualRect(&inside, &place)) << id;
        for (std::size_t i = 0; i < places.size(); ++i) {
            RECT common{};
            EXPECT_FALSE(::IntersectRect(&common, &place, &places[i])) << id << " and " << ids[i];
        }
        places.push_back(place);
    }
    EXPECT_EQ(ids, (std::vector<int>{AboutBox::kIcon, AboutBox::kTitle, AboutBox::kVersion,
                                     AboutBox::kDescription, AboutBox::kSeparator,
                                     AboutBox::kDisclaimer, IDOK, AboutBox::kSysInfo}));
    const DWORD ok = StyleOf(::GetDlgItem(box.hwnd(), IDOK));
    EXPECT_EQ(ok & BS_TYPEMASK, DWORD{BS_DEFPUSHBUTTON});
    EXPECT_NE(ok & WS_TABSTOP, 0U);
    EXPECT_EQ(StyleOf(::GetDlgItem(box.hwnd(), AboutBox::kIcon)) & SS_TYPEMASK, DWORD{SS_ICON});
    EXPECT_EQ(StyleOf(::GetDlgItem(box.hwnd(), AboutBox::kSeparator)) & SS_TYPEMASK,
              DWORD{SS_ETCHEDHORZ});
    for (const int label :
         {AboutBox::kTitle, AboutBox::kVersion, AboutBox::kDescription, AboutBox::kDisclaimer}) {
        EXPECT_NE(StyleOf(::GetDlgItem(box.hwnd(), label)) & SS_NOPREFIX, 0U) << label;
    }
}

}  // namespace
}  // namespace zelvo::win32
