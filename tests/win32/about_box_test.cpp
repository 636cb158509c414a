#include "ui/win32/about_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "caption_fit.h"
#include "fake/fake_platform.h"

namespace zelvo::win32 {
namespace {

using test::TextOf;

// The owner of the box in a test: when the box's modal loop first waits for a message,
// it runs `whileShown` with the box. A box still open after ten seconds is ended, so
// that a failing test does not hang.
class Owner {
  public:
    explicit Owner(std::function<void(HWND box)> whileShown) : whileShown_(std::move(whileShown)) {
        WNDCLASSEXW owner{};
        owner.cbSize = sizeof owner;
        owner.lpfnWndProc = &Procedure;
        owner.hInstance = ::GetModuleHandleW(nullptr);
        owner.lpszClassName = kClassName;
        ::RegisterClassExW(&owner);
        window_ = ::CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), this);
        ::SetTimer(window_, 1, 10000, nullptr);
    }
    ~Owner() { ::DestroyWindow(window_); }
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;

    HWND hwnd() const { return window_; }
    bool ran() const { return ran_; }
    bool timedOut() const { return timedOut_; }

  private:
    static constexpr wchar_t kClassName[] = L"ZelvoAboutTestOwner";

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            ::SetWindowLongPtrW(window, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(
                                    reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        }
        auto* self = reinterpret_cast<Owner*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && !self->ran_) {
            self->ran_ = true;
            self->whileShown_(reinterpret_cast<HWND>(lParam));
        }
        if (self != nullptr && message == WM_TIMER) {
            if (HWND box = ::GetWindow(window, GW_ENABLEDPOPUP); box != nullptr) {
                self->timedOut_ = true;
                ::EndDialog(box, 0);
            }
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    std::function<void(HWND box)> whileShown_;
    HWND window_ = nullptr;
    bool ran_ = false;
    bool timedOut_ = false;
};

class AboutBoxWindowTest : public ::testing::Test {
  protected:
    AboutBoxWindowTest() { about.Visible = true; }

    fake::FakePlatform fake;
    frmAbout about{fake.platform};
};

TEST_F(AboutBoxWindowTest, ItShowsTheModelsCaptionTextsAndTheProgramIcon) {
    about.Form_Load();
    AboutBox box(about);
    Owner owner([this](HWND shown) {
        EXPECT_EQ(Narrow(TextOf(shown)), "Zelvo");
        EXPECT_EQ(Narrow(TextOf(::GetDlgItem(shown, AboutBox::kTitle))), "Zelvo");
        EXPECT_EQ(Narrow(TextOf(::GetDlgItem(shown, AboutBox::kVersion))), "ﾊﾞｰｼﾞｮﾝ 2.5.0β");
        EXPECT_EQ(Narrow(TextOf(::GetDlgItem(shown, AboutBox::kDisclaimer))), "");
        EXPECT_EQ(Narrow(TextOf(::GetDlgItem(shown, IDOK))), "OK");
        EXPECT_EQ(Narrow(TextOf(::GetDlgItem(shown, AboutBox::kSysInfo))), "ｼｽﾃﾑ情報(&S)...");
        EXPECT_NE(::SendDlgItemMessageW(shown, AboutBox::kIcon, STM_GETICON, 0, 0), 0);
        EXPECT_EQ(::GetParent(shown), ::GetWindow(shown, GW_OWNER));

        LOGFONTW title{};
        LOGFONTW text{};
        ::GetObjectW(reinterpret_cast<HFONT>(
                         ::SendDlgItemMessageW(shown, AboutBox::kTitle, WM_GETFONT, 0, 0)),
                     sizeof title, &title);
        ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(shown, WM_GETFONT, 0, 0)), sizeof text,
                     &text);
        EXPECT_EQ(title.lfWeight, FW_BOLD);
        EXPECT_LT(title.lfHeight, text.lfHeight);  // taller: the heights are negative
        EXPECT_EQ(std::wstring(title.lfFaceName), std::wstring(text.lfFaceName));
        EXPECT_EQ(std::wstring(text.lfFaceName), DialogFontFace());
        ::SendDlgItemMessageW(shown, IDOK, BM_CLICK, 0, 0);
    });
    box.ShowModal(owner.hwnd());
    EXPECT_TRUE(owner.ran());
    EXPECT_FALSE(owner.timedOut());
}

TEST_F(AboutBoxWindowTest, OkClosesItAsTheModelsOk) {
    AboutBox box(about);
    Owner owner([this](HWND shown) {
        EXPECT_FALSE(::IsWindowEnabled(::GetWindow(shown, GW_OWNER)));  // modal
        EXPECT_EQ(Narrow(TextOf(shown)), "ﾊﾞｰｼﾞｮﾝ情報");
        ::SendDlgItemMessageW(shown, IDOK, BM_CLICK, 0, 0);
        EXPECT_FALSE(about.Visible);
        EXPECT_FALSE(::IsWindowVisible(shown));
    });
    box.ShowModal(owner.hwnd());
    EXPECT_TRUE(owner.ran());
    EXPECT_FALSE(owner.timedOut());
    EXPECT_TRUE(::IsWindowEnabled(owner.hwnd()));
}

TEST_F(AboutBoxWindowTest, EscapeAndTheCloseBoxCloseItAsOkDoes) {
    AboutBox box(about);
    Owner escape([](HWND shown) {
        ::PostMessageW(::GetDlgItem(shown, IDOK), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    });
    box.ShowModal(escape.hwnd());
    EXPECT_TRUE(escape.ran());
    EXPECT_FALSE(escape.timedOut());
    EXPECT_FALSE(about.Visible);

    about.Visible = true;
    Owner closeBox([](HWND shown) { ::PostMessageW(shown, WM_SYSCOMMAND, SC_CLOSE, 0); });
    box.ShowModal(closeBox.hwnd());
    EXPECT_TRUE(closeBox.ran());
    EXPECT_FALSE(closeBox.timedOut());
    EXPECT_FALSE(about.Visible);
}

// Without the tool the model says so itself; the box stays open.
TEST_F(AboutBoxWindowTest, SystemInformationGoesToTheModel) {
    AboutBox box(about);
    Owner owner([this](HWND shown) {
        ::SendDlgItemMessageW(shown, AboutBox::kSysInfo, BM_CLICK, 0, 0);
        ASSERT_EQ(fake.toolkit.messages.size(), 1U);
        EXPECT_EQ(fake.toolkit.messages[0].prompt, "現時点ではｼｽﾃﾑ情報を使用できません");
        EXPECT_TRUE(::IsWindowVisible(shown));
        EXPECT_TRUE(about.Visible);
        ::SendDlgItemMessageW(shown, IDOK, BM_CLICK, 0, 0);
    });
    box.ShowModal(owner.hwnd());
    EXPECT_TRUE(owner.ran());
    EXPECT_FALSE(owner.timedOut());

    fake.registry.Set(HKEY_LOCAL_MACHINE, R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)", "PATH",
                      {REG_SZ, std::string("C:/msinfo32.exe")});
    Owner again([](HWND shown) {
        ::SendDlgItemMessageW(shown, AboutBox::kSysInfo, BM_CLICK, 0, 0);
        ::SendDlgItemMessageW(shown, IDOK, BM_CLICK, 0, 0);
    });
    box.ShowModal(again.hwnd());
    EXPECT_EQ(fake.processLauncher.started, (std::vector<std::string>{"C:/msinfo32.exe"}));
}

// Laid out in dialog units, the box grows with its font: at twice the size (as on a
// 200 % screen) and in a face wider than the P-Gothic, every text stays whole.
class AboutBoxFontTest : public ::testing::TestWithParam<std::tuple<std::wstring, WORD>> {};

TEST_P(AboutBoxFontTest, EveryTextIsWhole) {
    fake::FakePlatform fake;
    frmAbout about(fake.platform);
    about.Form_Load();
    about.lblDescription.Caption = "長さを mm, Q, point, inch, pixel, twip の間で換算します。";
    about.lblDisclaimer.Caption = "警告: この製品は著作権法および国際条約により保護されています。";
    const auto& [face, points] = GetParam();
    AboutBox box(about, face.empty() ? DialogFontFace() : face, points);
    Owner owner([](HWND shown) {
        const std::vector<std::string> cut = test::CutTexts(shown);
        EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
        ::SendDlgItemMessageW(shown, IDOK, BM_CLICK, 0, 0);
    });
    box.ShowModal(owner.hwnd());
    EXPECT_TRUE(owner.ran());
}

INSTANTIATE_TEST_SUITE_P(AboutFaces, AboutBoxFontTest,
                         ::testing::Values(std::make_tuple(std::wstring(), WORD{9}),
                                           std::make_tuple(std::wstring(), WORD{18}),
                                           std::make_tuple(std::wstring(L"DejaVu Sans"),
                                                           WORD{11})));

}  // namespace
}  // namespace zelvo::win32
