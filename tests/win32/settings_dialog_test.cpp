#include "ui/win32/settings_dialog.h"

#include <gtest/gtest.h>

#include <memory>

#include "caption_fit.h"
#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "fake/gif_files.h"
#include "platform/win32/win32_picture.h"
#include "ui/win32/picture_paint.h"

namespace zelvo::win32 {
namespace {

using test::ClassOf;
using test::TextOf;

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kWhite = 0xFFFFFF;

std::shared_ptr<Win32Picture> Solid(int width, int height, std::uint32_t colour) {
    return std::make_shared<Win32Picture>(
        width, height, "solid",
        std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour));
}

RECT ChildRect(HWND child) {
    RECT place{};
    ::GetWindowRect(child, &place);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

std::vector<int> Edges(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

DWORD StyleOf(HWND window) {
    return static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE));
}

bool Checked(HWND button) {
    return ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A control's picture as WM_PRINTCLIENT draws it.
std::unique_ptr<DibSection> Printed(HWND control) {
    RECT client{};
    ::GetClientRect(control, &client);
    auto canvas = std::make_unique<DibSection>(client.right, client.bottom);
    ::SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas->dc()), PRF_CLIENT);
    return canvas;
}

// A pixel's colour without its alpha, which GDI's own drawing leaves at 0.
std::uint32_t Colour(const DibSection& canvas, int x, int y) {
    return canvas.Pixel(x, y) & 0xFFFFFF;
}

class SettingsWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fake.paths.programFolder = folder.path();
        dialog.Visible = true;
        view.Render();
        ASSERT_NE(view.hwnd(), nullptr);
        ASSERT_EQ(WindowDpi(view.hwnd()), 96U);
        changes = 0;
    }

    HWND Item(int id) const { return ::GetDlgItem(view.hwnd(), id); }
    void Click(int id) const { ::SendMessageW(Item(id), BM_CLICK, 0, 0); }
    void Type(int id, wchar_t character) const { ::SendMessageW(Item(id), WM_CHAR, character, 1); }
    // A notification as the control sends it to the dialog.
    void Command(int id, int code) const {
        ::SendMessageW(view.hwnd(), WM_COMMAND, MAKEWPARAM(id, code),
                       reinterpret_cast<LPARAM>(Item(id)));
    }
    void Arrow(int delta) const {
        NMUPDOWN change{};
        change.hdr = {Item(SettingsDialog::kUpDown1), SettingsDialog::kUpDown1, UDN_DELTAPOS};
        change.iPos = dialog.UpDown1.Value;
        change.iDelta = delta;
        ::SendMessageW(view.hwnd(), WM_NOTIFY, SettingsDialog::kUpDown1,
                       reinterpret_cast<LPARAM>(&change));
    }
    // The capture control made by the start-up, showing `value`.
    void StartHotKey(std::uint16_t value) {
        hotkey1::CreateHotKeyControl(dialog.hotKeyControl, dialog.picHotKey, 15, 15);
        hotkey1::SetHotKeyControlValue(dialog.hotKeyControl, value);
        view.Render();
    }

    fake::FakePlatform fake;
    fake::ProgramFolder folder;
    WindowSet windows{fake.platform};
    Form2& dialog = windows.dialog;
    int changes = 0;
    SettingsDialog view{::GetModuleHandleW(nullptr), dialog, [this] {
                            ++changes;
                            view.Render();
                        }};
};

TEST(SettingsWindowLifeTest, TheWindowIsMadeWhenTheModelFirstShowsIt) {
    fake::FakePlatform fake;
    WindowSet windows(fake.platform);
    SettingsDialog view(::GetModuleHandleW(nullptr), windows.dialog, [] {});
    view.Render();
    EXPECT_EQ(view.hwnd(), nullptr);
    windows.dialog.pulldown2_settei_Click();
    view.Render();
    ASSERT_NE(view.hwnd(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(view.hwnd()));
    EXPECT_NE(StyleOf(view.hwnd()) & WS_CAPTION, 0U);
}

TEST_F(SettingsWindowTest, ControlsCarryTheModelsCaptionsInTheirKinds) {
    EXPECT_EQ(Narrow(TextOf(view.hwnd())), "設定");
    const std::pair<int, const std::string&> captions[] = {
        {SettingsDialog::kFrame7, dialog.Frame7.Caption},
        {SettingsDialog::kOption1, dialog.Option1[0].Caption},
        {SettingsDialog::kOption1 + 1, dialog.Option1[1].Caption},
        {SettingsDialog::kOption1 + 2, dialog.Option1[2].Caption},
        {SettingsDialog::kText5, dialog.Text5.Text},
        {SettingsDialog::kLabel9, dialog.Label9.Caption},
        {SettingsDialog::kFrame1, dialog.Frame1.Caption},
        {SettingsDialog::kLabel5, dialog.Label5.Caption},
        {SettingsDialog::kLabel1, dialog.Label1.Caption},
        {SettingsDialog::kFrame2, dialog.Frame2.Caption},
        {SettingsDialog::kCheck1, dialog.Check1.Caption},
        {SettingsDialog::kCheck2, dialog.Check2.Caption},
        {SettingsDialog::kCheck3, dialog.Check3.Caption},
        {SettingsDialog::kFrame8, dialog.Frame8.Caption},
        {SettingsDialog::kCmdSet, dialog.cmdSet.Caption},
        {SettingsDialog::kFrame3, dialog.Frame3.Caption},
        {SettingsDialog::kCommand1, dialog.Command1.Caption},
        {SettingsDialog::kCommand2, dialog.Command2.Caption},
    };
    for (const auto& [id, caption] : captions) {
        ASSERT_NE(Item(id), nullptr) << id;
        EXPECT_EQ(Narrow(TextOf(Item(id))), caption) << id;
    }
    EXPECT_EQ(Narrow(TextOf(Item(SettingsDialog::kFrame3))), "skin選択");
    EXPECT_EQ(Narrow(TextOf(Item(SettingsDialog::kCommand1))), "確　認");

    EXPECT_EQ(StyleOf(Item(SettingsDialog::kFrame7)) & BS_TYPEMASK, DWORD{BS_GROUPBOX});
    for (int i = 0; i < 3; ++i) {
        const DWORD style = StyleOf(Item(SettingsDialog::kOption1 + i));
        EXPECT_EQ(style & BS_TYPEMASK, DWORD{BS_AUTORADIOBUTTON});
        EXPECT_EQ((style & WS_GROUP) != 0, i == 0);
    }
    EXPECT_EQ(StyleOf(Item(SettingsDialog::kCheck2)) & BS_TYPEMASK, DWORD{BS_AUTOCHECKBOX});
    EXPECT_EQ(ClassOf(Item(SettingsDialog::kText5)), L"Edit");
    EXPECT_EQ(ClassOf(Item(SettingsDialog::kUpDown1)), L"msctls_updown32");
    EXPECT_EQ(ClassOf(Item(SettingsDialog::kCombo1)), L"ComboBox");
    EXPECT_EQ(StyleOf(Item(SettingsDialog::kCombo1)) & 3, DWORD{CBS_DROPDOWNLIST});

    // The skin's name lies over the frame's edge, which shows through it.
    HDC dc = ::GetDC(view.hwnd());
    const auto hollow = reinterpret_cast<LRESULT>(::GetStockObject(HOLLOW_BRUSH));
    EXPECT_EQ(::SendMessageW(view.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(Item(SettingsDialog::kLabel2))),
              hollow);
    EXPECT_NE(::SendMessageW(view.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(Item(SettingsDialog::kLabel5))),
              hollow);
    ::ReleaseDC(view.hwnd(), dc);

    dialog.Caption = "設定 2";
    dialog.Label2.Caption = "skin_和風";
    view.Render();
    EXPECT_EQ(Narrow(TextOf(view.hwnd())), "設定 2");
    EXPECT_EQ(Narrow(TextOf(Item(SettingsDialog::kLabel2))), "skin_和風");
}

// As the Qt view lays it out at 96 ppi: every control moved by its frame in whole pixels.
TEST_F(SettingsWindowTest, ControlsStandWhereTheModelPlacesThem) {
    RECT client{};
    ::GetClientRect(view.hwnd(), &client);
    EXPECT_EQ(Edges(client), (std::vector<int>{0, 0, 369, 281}));
    EXPECT_EQ(Edges(ChildRect(Item(SettingsDialog::kFrame7))), (std::vector<int>{8, 8, 177, 73}));
    EXPECT_EQ(Edges(ChildRect(Item(SettingsDialog::kOption1 + 1))),
              (std::vector<int>{88, 24, 168, 41}));
    EXPECT_EQ(Edges(ChildRect(Item(SettingsDialog::kText5))), (std::vector<int>{72, 48, 105, 66}));
    EXPECT_EQ(Edges(ChildRect(Item(SettingsDialog::kUpDown1))),
              (std::vector<int>{336, 23, 352, 40}));
    EXPECT_EQ(Edges(ChildRect(Item(SettingsDialog::kCheck3))),
              (std::vector<int>{192, 136, 355, 153}));
    EXPECT_EQ(Edges(ChildRect(Item(SettingsDialog::kCommand2))),
              (std::vector<int>{16, 248, 345, 265}));
    EXPECT_EQ(Edges(ChildRect(Item(SettingsDialog::kPicture1))),
              (std::vector<int>{48, 184, 345, 217}));
    EXPECT_EQ(Edges(ChildRect(Item(SettingsDialog::kImage1Beside))),
              (std::vector<int>{16, 184, 42, 217}));

    // The skin list's field is the model's height; the window holds its open list too.
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    ASSERT_TRUE(::GetComboBoxInfo(Item(SettingsDialog::kCombo1), &combo));
    EXPECT_EQ(Edges(ChildRect(Item(SettingsDialog::kCombo1))),
              (std::vector<int>{16, 224, 281, 244}));
    RECT closed{};
    ::SendMessageW(Item(SettingsDialog::kCombo1), CB_GETDROPPEDCONTROLRECT, 0,
                   reinterpret_cast<LPARAM>(&closed));
    EXPECT_GT(closed.bottom - closed.top, 20 * 4);
}

// A move to a screen of 144 ppi lays everything out again at that density.
TEST_F(SettingsWindowTest, ANewDpiPlacesAndSetsTheControlsAgain) {
    RECT frame{};
    ::GetWindowRect(view.hwnd(), &frame);
    ::SendMessageW(view.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                   reinterpret_cast<LPARAM>(&frame));
    RECT client{};
    ::GetClientRect(view.hwnd(), &client);
    EXPECT_EQ(client.right, 554);   // 5535 twips
    EXPECT_EQ(client.bottom, 422);  // 4215 twips
    EXPECT_EQ(Edges(ChildRect(Item(SettingsDialog::kOption1 + 1))),
              (std::vector<int>{132, 36, 252, 62}));
    LOGFONTW font{};
    ::GetObjectW(
        reinterpret_cast<HFONT>(::SendMessageW(Item(SettingsDialog::kCheck1), WM_GETFONT, 0, 0)),
        sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -18);
    EXPECT_EQ(changes, 0);
}

TEST_F(SettingsWindowTest, DensityOptionsSelectOneInTheModel) {
    EXPECT_TRUE(Checked(Item(SettingsDialog::kOption1)));
    EXPECT_FALSE(::IsWindowEnabled(Item(SettingsDialog::kText5)));

    Click(SettingsDialog::kOption1 + 1);
    EXPECT_EQ(dialog.DensityIndex(), 1);
    EXPECT_FALSE(dialog.Option1[0].Value);
    EXPECT_TRUE(dialog.Option1[1].Value);
    EXPECT_FALSE(dialog.Option1[2].Value);
    EXPECT_FALSE(Checked(Item(SettingsDialog::kOption1)));
    EXPECT_TRUE(Checked(Item(SettingsDialog::kOption1 + 1)));
    EXPECT_FALSE(::IsWindowEnabled(Item(SettingsDialog::kText5)));
    EXPECT_EQ(changes, 1);

    Click(SettingsDialog::kOption1 + 2);
    EXPECT_EQ(dialog.DensityIndex(), 2);
    EXPECT_TRUE(::IsWindowEnabled(Item(SettingsDialog::kText5)));
    EXPECT_FALSE(Checked(Item(SettingsDialog::kOption1 + 1)));

    // The model alone decides: what it selects, the buttons show.
    dialog.SetOption1(0, true);
    view.Render();
    EXPECT_TRUE(Checked(Item(SettingsDialog::kOption1)));
    EXPECT_FALSE(Checked(Item(SettingsDialog::kOption1 + 2)));
    EXPECT_FALSE(::IsWindowEnabled(Item(SettingsDialog::kText5)));
}

TEST_F(SettingsWindowTest, DensityBoxKeepsOnlyWhatTheModelLetsThrough) {
    Click(SettingsDialog::kOption1 + 2);
    ::SendMessageW(Item(SettingsDialog::kText5), EM_SETSEL, 0, -1);
    for (const wchar_t typed : std::wstring(L"3a0-0")) {
        Type(SettingsDialog::kText5, typed);
    }
    EXPECT_EQ(dialog.Text5.Text, "300");
    EXPECT_EQ(Narrow(TextOf(Item(SettingsDialog::kText5))), "300");
    EXPECT_EQ(fake.toolkit.beeps, 2);

    Type(SettingsDialog::kText5, 22);      // Ctrl+V
    Type(SettingsDialog::kText5, 0xD83D);  // one character outside the BMP, in two halves
    Type(SettingsDialog::kText5, 0xDE00);
    Type(SettingsDialog::kText5, L'.');
    EXPECT_EQ(dialog.Text5.Text, "300.");
    EXPECT_EQ(dialog.Text5.SelStart, 4);
    EXPECT_EQ(fake.toolkit.beeps, 4);
}

TEST_F(SettingsWindowTest, ArrowsStepTheDecimalsAndTheSampleAndTheBarFollow) {
    windows.bar.conversion.text2[1] = "25.4";
    Arrow(+1);
    EXPECT_EQ(dialog.UpDown1.Value, 3);
    EXPECT_EQ(Narrow(TextOf(Item(SettingsDialog::kLabel5))), "0.000");
    EXPECT_EQ(windows.bar.text1[1].Text, "25.400");
    EXPECT_EQ(::SendMessageW(Item(SettingsDialog::kUpDown1), UDM_GETPOS32, 0, 0), 3);

    Arrow(-1);
    Arrow(-1);
    EXPECT_EQ(dialog.UpDown1.Value, 1);
    EXPECT_EQ(Narrow(TextOf(Item(SettingsDialog::kLabel5))), "0.0");
    EXPECT_EQ(windows.bar.text1[1].Text, "25.4");
    EXPECT_EQ(::SendMessageW(Item(SettingsDialog::kUpDown1), UDM_GETPOS32, 0, 0), 1);

    dialog.UpDown1.Value = dialog.UpDown1.Max;
    view.Render();
    Arrow(+1);
    EXPECT_EQ(dialog.UpDown1.Value, dialog.UpDown1.Max);
    EXPECT_EQ(Narrow(TextOf(Item(SettingsDialog::kLabel5))), "0.0000000000");

    int low = 0;
    int high = 0;
    ::SendMessageW(Item(SettingsDialog::kUpDown1), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                   reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, dialog.UpDown1.Min);
    EXPECT_EQ(high, dialog.UpDown1.Max);
}

// A press on the control's upper and lower halves, as the mouse makes it.
TEST_F(SettingsWindowTest, TheUpDownControlsOwnArrowsReachTheModel) {
    HWND upDown = Item(SettingsDialog::kUpDown1);
    RECT client{};
    ::GetClientRect(upDown, &client);
    const int middle = client.right / 2;
    ::SendMessageW(upDown, kWmLButtonDown, MK_LBUTTON, MAKELPARAM(middle, 2));
    ::SendMessageW(upDown, WM_LBUTTONUP, 0, MAKELPARAM(middle, 2));
    EXPECT_EQ(dialog.UpDown1.Value, 3);
    EXPECT_EQ(Narrow(TextOf(Item(SettingsDialog::kLabel5))), "0.000");
    ::SendMessageW(upDown, kWmLButtonDown, MK_LBUTTON, MAKELPARAM(middle, client.bottom - 2));
    ::SendMessageW(upDown, WM_LBUTTONUP, 0, MAKELPARAM(middle, client.bottom - 2));
    EXPECT_EQ(dialog.UpDown1.Value, 2);
    EXPECT_EQ(Narrow(TextOf(Item(SettingsDialog::kLabel5))), "0.00");
}

TEST_F(SettingsWindowTest, TheCloseBoxAndEscapeOnlyHideIt) {
    HWND window = view.hwnd();
    ::SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(dialog.Visible);
    EXPECT_FALSE(::IsWindowVisible(window));
    EXPECT_TRUE(::IsWindow(window));
    EXPECT_EQ(view.hwnd(), window);

    dialog.pulldown2_settei_Click();
    view.Render();
    EXPECT_TRUE(::IsWindowVisible(window));
    ::SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(dialog.Visible);
    EXPECT_FALSE(::IsWindowVisible(window));

    windows.bar.pulldown1_kankyosettei_Click();
    view.Render();
    EXPECT_TRUE(::IsWindowVisible(window));
    MSG escape{Item(SettingsDialog::kCheck1), WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
    EXPECT_TRUE(view.PreTranslate(escape));
    EXPECT_FALSE(dialog.Visible);
    EXPECT_FALSE(::IsWindowVisible(window));
    EXPECT_EQ(view.hwnd(), window);
}

TEST_F(SettingsWindowTest, TabMovesThroughTheControlsInTheirFramesOrder) {
    ::SetFocus(Item(SettingsDialog::kCmdSet));
    MSG tab{Item(SettingsDialog::kCmdSet), WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {}};
    EXPECT_TRUE(view.PreTranslate(tab));
    EXPECT_EQ(::GetFocus(), Item(SettingsDialog::kCombo1));

    MSG other{::GetDesktopWindow(), WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {}};
    EXPECT_FALSE(view.PreTranslate(other));
}

// Controls without a caption of their own are named for screen readers as Windows'
// accessibility finds names: a hidden static text just before the control (the
// decimals arrows by their window text), and they are stops of the tab order.
TEST_F(SettingsWindowTest, CaptionlessControlsAreNamedAndReachable) {
    StartHotKey(0);
    const auto labelBefore = [](HWND control) {
        const HWND label = ::GetWindow(control, GW_HWNDPREV);
        return label != nullptr && ClassOf(label) == L"Static" && !::IsWindowVisible(label)
                   ? Narrow(TextOf(label))
                   : std::string();
    };
    EXPECT_EQ(labelBefore(Item(SettingsDialog::kText5)), "ピクセル密度 (ppi)");
    EXPECT_EQ(labelBefore(Item(SettingsDialog::kHotKey)), "ホットキー");
    const HWND arrows = Item(SettingsDialog::kUpDown1);
    EXPECT_EQ(Narrow(TextOf(arrows)), "換算結果の小数点以下の桁数");
    EXPECT_NE(StyleOf(arrows) & WS_TABSTOP, DWORD{0});

    ::SetFocus(arrows);
    MSG up{arrows, WM_KEYDOWN, VK_UP, 0x00480001, 0, {}};
    EXPECT_TRUE(view.PreTranslate(up));
    EXPECT_EQ(dialog.UpDown1.Value, 3);
}

TEST_F(SettingsWindowTest, TheHotKeyControlShowsAndTakesTheModelsValue) {
    EXPECT_EQ(Item(SettingsDialog::kHotKey), nullptr);  // not made before the start-up
    constexpr std::uint16_t kCtrlAltA = 0x0641;
    StartHotKey(kCtrlAltA);
    HWND hotKey = Item(SettingsDialog::kHotKey);
    ASSERT_NE(hotKey, nullptr);
    EXPECT_EQ(ClassOf(hotKey), L"msctls_hotkey32");
    EXPECT_EQ(::SendMessageW(hotKey, HKM_GETHOTKEY, 0, 0), kCtrlAltA);
    EXPECT_EQ(Edges(ChildRect(hotKey)), (std::vector<int>{16, 112, 121, 129}));
    // After its frame, behind the hidden label that names it.
    EXPECT_EQ(::GetWindow(::GetWindow(Item(SettingsDialog::kFrame8), GW_HWNDNEXT), GW_HWNDNEXT),
              hotKey);

    constexpr std::uint16_t kCtrlShiftF = 0x0346;
    ::SendMessageW(hotKey, HKM_SETHOTKEY, kCtrlShiftF, 0);
    Command(SettingsDialog::kHotKey, EN_CHANGE);
    EXPECT_EQ(dialog.hotKeyControl.Value, kCtrlShiftF);

    Click(SettingsDialog::kCmdSet);
    EXPECT_TRUE(dialog.hotKeyRecord.bCtrl);
    EXPECT_TRUE(dialog.hotKeyRecord.bShift);
    EXPECT_FALSE(dialog.hotKeyRecord.bAlt);
    ASSERT_EQ(fake.globalHotKey.registered.size(), 1U);
    EXPECT_EQ(
        fake.globalHotKey.registered.begin()->second,
        (fake::FakeGlobalHotKey::Combination{hotkey1::MOD_CONTROL | hotkey1::MOD_SHIFT, 'F'}));
}

// The control's own rules are the model's: a key pressed alone is taken with Alt.
TEST_F(SettingsWindowTest, AKeyAloneInTheHotKeyControlBecomesTheKeyWithAlt) {
    StartHotKey(0);
    HWND hotKey = Item(SettingsDialog::kHotKey);
    ASSERT_NE(hotKey, nullptr);
    ::SendMessageW(hotKey, WM_KEYDOWN, 'K', 0x00250001);
    ::SendMessageW(hotKey, WM_KEYUP, 'K', 0xC0250001);
    EXPECT_EQ(dialog.hotKeyControl.Value, (hotkey1::HOTKEYF_ALT << 8) | 'K');
    EXPECT_EQ(::SendMessageW(hotKey, HKM_GETHOTKEY, 0, 0), dialog.hotKeyControl.Value);
}

// Delete clears the control without telling its parent: 変更 still takes the cleared
// key, and lets the old one go.
TEST_F(SettingsWindowTest, ChangeTakesAKeyClearedWithDelete) {
    constexpr std::uint16_t kCtrlAltK = 0x064B;
    StartHotKey(kCtrlAltK);
    Click(SettingsDialog::kCmdSet);
    ASSERT_EQ(fake.globalHotKey.registered.size(), 1U);
    HWND hotKey = Item(SettingsDialog::kHotKey);
    ASSERT_NE(hotKey, nullptr);
    ::SendMessageW(hotKey, WM_KEYDOWN, VK_DELETE, 0x01530001);
    ::SendMessageW(hotKey, WM_KEYUP, VK_DELETE, 0xC1530001);
    ASSERT_EQ(::SendMessageW(hotKey, HKM_GETHOTKEY, 0, 0), 0);

    Click(SettingsDialog::kCmdSet);
    EXPECT_EQ(dialog.hotKeyControl.Value, 0);
    EXPECT_EQ(hotkey1::KeyCode(dialog.hotKeyRecord.sChar), 0);
    EXPECT_TRUE(fake.globalHotKey.registered.empty());
    EXPECT_EQ(::SendMessageW(hotKey, HKM_GETHOTKEY, 0, 0), 0);
}

TEST_F(SettingsWindowTest, CheckBoxesPassTheirClicksToTheModel) {
    Click(SettingsDialog::kCheck1);
    EXPECT_EQ(dialog.Check1.Value, 1);
    Click(SettingsDialog::kCheck2);
    EXPECT_EQ(dialog.Check2.Value, 1);
    EXPECT_EQ(fake.windowOps.keepAbove, (std::vector<bool>{true}));
    Click(SettingsDialog::kCheck3);
    EXPECT_TRUE(fake.autostart.enabled);
    EXPECT_TRUE(Checked(Item(SettingsDialog::kCheck3)));

    Click(SettingsDialog::kCheck2);
    EXPECT_EQ(dialog.Check2.Value, 0);
    EXPECT_EQ(fake.windowOps.keepAbove.back(), false);
    EXPECT_FALSE(Checked(Item(SettingsDialog::kCheck2)));

    // The login start the model could not change shows as it really is.
    fake.autostart.writingWorks = false;
    Click(SettingsDialog::kCheck3);
    EXPECT_EQ(dialog.Check3.Value, 1);
    EXPECT_TRUE(Checked(Item(SettingsDialog::kCheck3)));
}

TEST_F(SettingsWindowTest, TheSkinListSelectsPreviewsAndApplies) {
    folder.WriteSkin("blue");
    folder.WriteSkin("red");
    dialog.ListSkinFolders(folder.path() + "/skin");
    view.Render();
    HWND combo = Item(SettingsDialog::kCombo1);
    ASSERT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);

    ::SendMessageW(combo, CB_SETCURSEL, 1, 0);
    Command(SettingsDialog::kCombo1, CBN_SELCHANGE);
    EXPECT_EQ(dialog.Combo1.ListIndex, 1);
    Click(SettingsDialog::kCommand2);
    EXPECT_EQ(dialog.Label2.Caption, "red");
    EXPECT_EQ(Narrow(TextOf(Item(SettingsDialog::kLabel2))), "red");
    EXPECT_NE(windows.bar.BorderImg[0].Picture, nullptr);
    EXPECT_NE(dialog.Image1[2].Picture, nullptr);

    dialog.Combo1.ListIndex = 0;
    dialog.Combo1.Visible = false;
    view.Render();
    EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_FALSE(::IsWindowVisible(combo));
    dialog.Combo1.Clear();
    dialog.Combo1.AddItem("skin_和風");
    dialog.Combo1.Visible = true;
    view.Render();
    ASSERT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 1);
    wchar_t item[32] = {};
    ::SendMessageW(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(Narrow(item), "skin_和風");
    EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_TRUE(::IsWindowVisible(combo));
}

TEST_F(SettingsWindowTest, PreviewsArePaintedFromTheModelsPictures) {
    const std::unique_ptr<DibSection> empty = Printed(Item(SettingsDialog::kPicture1));
    EXPECT_EQ(Colour(*empty, 100, 16), kWhite);
    EXPECT_NE(Colour(*empty, 0, 0), kWhite);  // the box's frame

    dialog.Image1[9].Picture = Solid(1, 1, kBlue);  // stretched over the strip
    PutPicture(dialog.Image1[3], Solid(26, 33, kRed), 15, 15);
    PutPicture(dialog.Image1[1], Solid(20, 30, kGreen), 15, 15);
    view.Render();

    const std::unique_ptr<DibSection> strip = Printed(Item(SettingsDialog::kPicture1));
    EXPECT_EQ(strip->Pixel(74, 10), kRed);       // Image1(3) at 1110 twips
    EXPECT_EQ(strip->Pixel(74 + 25, 32), kRed);  // ...at its picture's size
    EXPECT_EQ(strip->Pixel(74 + 26, 10), kBlue);
    EXPECT_EQ(strip->Pixel(296, 32), kBlue);
    EXPECT_EQ(Colour(*strip, 0, 0), kBlue & 0xFFFFFF);  // over the box's frame

    HWND beside = Item(SettingsDialog::kImage1Beside);
    EXPECT_EQ(Edges(ChildRect(beside)), (std::vector<int>{16, 184, 36, 214}));
    EXPECT_EQ(Printed(beside)->Pixel(19, 29), kGreen);

    dialog.Image1[3].Visible = false;
    view.Render();
    EXPECT_EQ(Printed(Item(SettingsDialog::kPicture1))->Pixel(74, 10), kBlue);
}

TEST_F(SettingsWindowTest, RenderingCallsNothingBackInTheModel) {
    dialog.Text5.SetText("123");
    dialog.SetOption1(2, true);
    dialog.Check1.Value = 1;
    dialog.Combo1.AddItem("a");
    dialog.Combo1.AddItem("b");
    dialog.Combo1.ListIndex = 1;
    dialog.UpDown1.Value = 7;
    dialog.Label5.Caption = "0.0000000";
    StartHotKey(0x0241);
    view.Render();
    view.Render();
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(dialog.Text5.Text, "123");
    EXPECT_EQ(dialog.Combo1.ListIndex, 1);
    EXPECT_EQ(dialog.UpDown1.Value, 7);
    EXPECT_EQ(dialog.hotKeyControl.Value, 0x0241);
    EXPECT_EQ(Narrow(TextOf(Item(SettingsDialog::kText5))), "123");
    EXPECT_TRUE(Checked(Item(SettingsDialog::kCheck1)));
    EXPECT_EQ(fake.toolkit.beeps, 0);
}

TEST_F(SettingsWindowTest, EveryTextIsWholeAtItsPlace) {
    dialog.Label5.Caption = "0.0000000000";
    dialog.Combo1.AddItem("skin_default");
    dialog.Combo1.ListIndex = 0;
    view.Render();
    const std::vector<std::string> cut = test::CutTexts(view.hwnd());
    EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
}

}  // namespace
}  // namespace zelvo::win32
