#include "ui/win32/settings_dialog.h"

#include "control/dialog_accessible_names.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/safe_call.h"
#include "platform/win32/wide_text.h"
#include "ui/win32/dialog_template.h"
#include "ui/win32/dpi.h"
#include "ui/win32/edit_text_sync.h"
#include "ui/win32/typed_character_filter.h"
#include "ui/win32/window_text.h"

namespace zelvo::win32 {
namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kDialogExStyle = 0;
constexpr DWORD kLabelStyle = SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX;

// The density frame was laid out for a face narrow in Latin letters: in a wider one,
// its texts are set smaller, down to this size, until "win(96ppi)", "(ppi)" and the
// density text are whole at their places.
constexpr double kSmallestDensityPointSize = 6;
// Beside a check box's or an option button's text: the mark and the gap after it, in
// pixels at 96 dpi. Around an edit's text: its sunken border and its margins.
constexpr int kMarkGap = 4;
constexpr int kEditBorder = 2;
constexpr int kEditMargin = 1;

// A drop-down list is as tall as its field and its open list together; the list
// shows this many fields' heights of entries.
constexpr int kSkinListRows = 8;
// What a combo box's closed field usually adds to the height of its text.
constexpr int kComboFieldMargins = 6;

// The preview strip's pictures, back to front: the stretched background, the title,
// then the separators and the right end.
constexpr std::array<std::size_t, 9> kStripImages = {9, 0, 2, 3, 4, 5, 6, 7, 8};
constexpr std::size_t kImageBesideStrip = 1;

// Sets the flag for as long as it lives, back to what it was afterwards.
class Raised {
  public:
    explicit Raised(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Raised() { flag_ = was_; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

  private:
    bool& flag_;
    bool was_;
};

void SetChecked(HWND button, bool checked) {
    ::SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsChecked(HWND button) {
    return ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A child's place in its parent's client area.
RECT ChildRect(HWND child) {
    RECT place{};
    ::GetWindowRect(child, &place);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

void MoveTo(HWND child, const RECT& place) {
    ::SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

SettingsDialog::SettingsDialog(HINSTANCE instance, Form2& dialog, std::function<void()> changed)
    : instance_(instance), dialog_(dialog), changed_(std::move(changed)) {}

SettingsDialog::~SettingsDialog() {
    if (window_ != nullptr) {
        ::SetWindowLongPtrW(window_, DWLP_USER, 0);
        ::DestroyWindow(window_);
    }
}

// Up and Down step the decimals arrows that have the focus (the dialog's own key
// handling would take them to move within the group).
bool SettingsDialog::PreTranslate(MSG& message) {
    if (window_ == nullptr) {
        return false;
    }
    const bool arrow =
        message.message == WM_KEYDOWN && (message.wParam == VK_UP || message.wParam == VK_DOWN);
    if (arrow && ::GetFocus() == Item(kUpDown1)) {
        StepDecimals(message.wParam == VK_UP ? 1 : -1);
        return true;
    }
    return ::IsDialogMessageW(window_, &message) != FALSE;
}

void SettingsDialog::Render() {
    if (window_ == nullptr) {
        if (!dialog_.Visible) {
            return;
        }
        Create();
        if (window_ == nullptr) {
            return;
        }
    }
    const Raised rendering(rendering_);
    RenderControls();
    if (dialog_.Visible != (::IsWindowVisible(window_) != FALSE)) {
        ::ShowWindow(window_, dialog_.Visible ? SW_SHOW : SW_HIDE);
    }
}

void SettingsDialog::Create() {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_HOTKEY_CLASS | ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&classes);
    const DialogTemplate form(kDialogStyle, kDialogExStyle, {}, Widen(dialog_.Caption),
                              DialogFontFace(), kDialogPointSize);
    ::CreateDialogIndirectParamW(instance_, form.get(), nullptr, &Procedure,
                                 reinterpret_cast<LPARAM>(this));
}

// In tab order: the density frame, the decimals, the bar options, the hot key (whose
// capture control comes when the model has made it), the skins.
void SettingsDialog::CreateControls() {
    AddControl(kFrame7, WC_BUTTONW, BS_GROUPBOX);
    for (int i = 0; i < static_cast<int>(dialog_.Option1.size()); ++i) {
        AddControl(kOption1 + i, WC_BUTTONW,
                   BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0));
    }
    AddHiddenLabel(window_, instance_, kDensityBoxName);
    HWND text5 =
        AddControl(kText5, WC_EDITW, ES_AUTOHSCROLL | WS_GROUP | WS_TABSTOP, WS_EX_CLIENTEDGE);
    FilterTypedCharacters(
        text5, [this](int& keyAscii) { SafeCall([&] { dialog_.Text5_KeyPress(keyAscii); }); });
    AddControl(kLabel9, WC_STATICW, kLabelStyle);

    AddControl(kFrame1, WC_BUTTONW, BS_GROUPBOX);
    AddControl(kLabel5, WC_STATICW, SS_RIGHT | SS_CENTERIMAGE | SS_NOPREFIX);
    // A stop of the tab order of its own, stepped by the arrow keys, and named for
    // screen readers by its window text.
    AddControl(kUpDown1, UPDOWN_CLASSW, UDS_ARROWKEYS | WS_GROUP | WS_TABSTOP);
    ::SetWindowTextW(Item(kUpDown1), Widen(kDecimalsName).c_str());
    AddControl(kLabel1, WC_STATICW, kLabelStyle);

    AddControl(kFrame2, WC_BUTTONW, BS_GROUPBOX);
    AddControl(kCheck1, WC_BUTTONW, BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP);
    AddControl(kCheck2, WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP);
    AddControl(kCheck3, WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP);

    AddControl(kFrame8, WC_BUTTONW, BS_GROUPBOX);
    AddControl(kCmdSet, WC_BUTTONW, BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP);

    AddControl(kFrame3, WC_BUTTONW, BS_GROUPBOX);
    AddControl(kLabel2, WC_STATICW, kLabelStyle);
    AddControl(kCombo1, WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_GROUP | WS_TABSTOP);
    AddControl(kCommand1, WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP);
    AddControl(kCommand2, WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP);
    image1Beside_ = std::make_unique<PicturePanel>(instance_, window_, kImage1Beside,
                                                   PicturePanel::Background::Face);
    picture1_ = std::make_unique<PicturePanel>(instance_, window_, kPicture1,
                                               PicturePanel::Background::WhiteBox);
}

HWND SettingsDialog::AddControl(int id, const wchar_t* windowClass, DWORD style, DWORD exStyle) {
    return ::CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                             window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
                             nullptr);
}

// Fonts, places and the window's size for `dpi`.
void SettingsDialog::ApplyDpi(UINT dpi) {
    dpi_ = dpi;
    UniqueFont font = MakeFont(DialogFontFace(), kDialogPointSize, dpi_);
    UniqueFont densityFont = MakeDensityFont();
    for (HWND child = ::GetWindow(window_, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        const int id = ::GetDlgCtrlID(child);
        const bool density = id > kFrame7 && id <= kLabel9;
        ::SendMessageW(child, WM_SETFONT,
                       reinterpret_cast<WPARAM>(density ? densityFont.get() : font.get()), TRUE);
    }
    font_ = std::move(font);
    densityFont_ = std::move(densityFont);
    const int margin = ::MulDiv(kEditMargin, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
    ::SendMessageW(Item(kText5), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                   MAKELPARAM(margin, margin));
    Layout();
    FitClientArea();
}

// The dialog's face at the largest size up to the dialog's own at which the density
// frame's texts are whole at their places.
UniqueFont SettingsDialog::MakeDensityFont() const {
    const Form2& d = dialog_;
    const auto scaled = [this](int pixels) {
        return ::MulDiv(pixels, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
    };
    const auto room = [this, &d](const TwipsRect& control, int besideWidth, int besideHeight) {
        const RECT place = PlaceInWindow({TwipsOf(d.Frame7), control}, dpi_);
        return SIZE{place.right - place.left - besideWidth,
                    place.bottom - place.top - besideHeight};
    };
    const int mark = ::GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi_) + scaled(kMarkGap);
    const int edit = scaled(2 * kEditBorder + 2 * kEditMargin);
    std::vector<TextRoom> texts;
    for (const OptionButton& option : d.Option1) {
        texts.push_back({Widen(option.Caption), room(TwipsOf(option), mark, 0)});
    }
    texts.push_back({Widen(d.Text5.Text), room(TwipsOf(d.Text5), edit, scaled(2 * kEditBorder))});
    texts.push_back({Widen(d.Label9.Caption), room(TwipsOf(d.Label9), 0, 0)});
    const double points = FittingPointSize(DialogFontFace(), kDialogPointSize,
                                           kSmallestDensityPointSize, dpi_, texts);
    return MakeFont(DialogFontFace(), points, dpi_);
}

// The window's client area as large as the model's window. The frame is the one the
// DPI asks for; where the system draws another (no per-monitor scaling), the client
// area it leaves decides.
void SettingsDialog::FitClientArea() {
    const RECT wanted = PixelRect({0, 0, dialog_.Width, dialog_.Height}, dpi_);
    RECT frame = wanted;
    ::AdjustWindowRectExForDpi(&frame, kDialogStyle, FALSE, kDialogExStyle, dpi_);
    const auto resize = [this](LONG width, LONG height) {
        ::SetWindowPos(window_, nullptr, 0, 0, width, height,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    resize(frame.right - frame.left, frame.bottom - frame.top);
    RECT client{};
    ::GetClientRect(window_, &client);
    if (client.right != wanted.right || client.bottom != wanted.bottom) {
        resize(frame.right - frame.left + wanted.right - client.right,
               frame.bottom - frame.top + wanted.bottom - client.bottom);
    }
}

void SettingsDialog::Place(int id, std::initializer_list<TwipsRect> chain) {
    if (HWND control = Item(id); control != nullptr) {
        MoveTo(control, PlaceInWindow(chain, dpi_));
    }
}

void SettingsDialog::Layout() {
    const Form2& d = dialog_;
    Place(kFrame7, {TwipsOf(d.Frame7)});
    for (std::size_t i = 0; i < d.Option1.size(); ++i) {
        Place(kOption1 + static_cast<int>(i), {TwipsOf(d.Frame7), TwipsOf(d.Option1.at(i))});
    }
    Place(kText5, {TwipsOf(d.Frame7), TwipsOf(d.Text5)});
    Place(kLabel9, {TwipsOf(d.Frame7), TwipsOf(d.Label9)});

    Place(kFrame1, {TwipsOf(d.Frame1)});
    Place(kLabel5, {TwipsOf(d.Frame1), TwipsOf(d.Label5)});
    Place(kUpDown1, {TwipsOf(d.Frame1), TwipsOf(d.UpDown1)});
    Place(kLabel1, {TwipsOf(d.Frame1), TwipsOf(d.Label1)});

    Place(kFrame2, {TwipsOf(d.Frame2)});
    Place(kCheck1, {TwipsOf(d.Frame2), TwipsOf(d.Check1)});
    Place(kCheck2, {TwipsOf(d.Frame2), TwipsOf(d.Check2)});
    Place(kCheck3, {TwipsOf(d.Frame2), TwipsOf(d.Check3)});

    Place(kFrame8, {TwipsOf(d.Frame8)});
    Place(kHotKey, {TwipsOf(d.Frame8), TwipsOf(d.picHotKey)});
    Place(kCmdSet, {TwipsOf(d.Frame8), TwipsOf(d.cmdSet)});

    Place(kFrame3, {TwipsOf(d.Frame3)});
    Place(kLabel2, {TwipsOf(d.Frame3), TwipsOf(d.Label2)});
    Place(kCommand1, {TwipsOf(d.Frame3), TwipsOf(d.Command1)});
    Place(kCommand2, {TwipsOf(d.Frame3), TwipsOf(d.Command2)});
    Place(kPicture1, {TwipsOf(d.Frame3), TwipsOf(d.Picture1)});

    // The model's height is the closed field's: the height set for its text and the
    // margins the combo box keeps around it, which differ between systems and are
    // measured. The window holds the open list too.
    HWND combo = Item(kCombo1);
    RECT place = PlaceInWindow({TwipsOf(d.Frame3), TwipsOf(d.Combo1)}, dpi_);
    const int fieldHeight = place.bottom - place.top;
    place.bottom = place.top + fieldHeight * kSkinListRows;
    MoveTo(combo, place);
    int textHeight = std::max(fieldHeight - kComboFieldMargins, 1);
    ::SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), textHeight);
    RECT closed{};
    ::GetWindowRect(combo, &closed);
    textHeight =
        std::max(textHeight + fieldHeight - static_cast<int>(closed.bottom - closed.top), 1);
    ::SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), textHeight);
}

void SettingsDialog::CenterOnScreen() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(::MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        return;
    }
    RECT frame{};
    ::GetWindowRect(window_, &frame);
    const RECT& work = monitor.rcWork;
    const int left = work.left + ((work.right - work.left) - (frame.right - frame.left)) / 2;
    const int top = work.top + ((work.bottom - work.top) - (frame.bottom - frame.top)) / 2;
    ::SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SettingsDialog::RenderControls() {
    RenderCaptions();
    for (std::size_t i = 0; i < dialog_.Option1.size(); ++i) {
        SetChecked(Item(kOption1 + static_cast<int>(i)), dialog_.Option1.at(i).Value);
    }
    HWND text5 = Item(kText5);
    CopyModelToEdit(dialog_.Text5, text5);
    ::EnableWindow(text5, dialog_.Text5.Enabled);
    SetChecked(Item(kCheck1), dialog_.Check1.Value == 1);
    SetChecked(Item(kCheck2), dialog_.Check2.Value == 1);
    SetChecked(Item(kCheck3), dialog_.Check3.Value == 1);

    HWND upDown = Item(kUpDown1);
    ::SendMessageW(upDown, UDM_SETRANGE32, static_cast<WPARAM>(dialog_.UpDown1.Min),
                   dialog_.UpDown1.Max);
    ::SendMessageW(upDown, UDM_SETPOS32, 0, dialog_.UpDown1.Value);

    RenderSkinList();
    RenderPreviews();
    RenderHotKey();
}

void SettingsDialog::RenderCaptions() {
    const Form2& d = dialog_;
    ShowText(window_, d.Caption);
    const std::pair<int, const std::string&> captions[] = {
        {kFrame7, d.Frame7.Caption},          {kOption1, d.Option1[0].Caption},
        {kOption1 + 1, d.Option1[1].Caption}, {kOption1 + 2, d.Option1[2].Caption},
        {kLabel9, d.Label9.Caption},          {kFrame1, d.Frame1.Caption},
        {kLabel5, d.Label5.Caption},          {kLabel1, d.Label1.Caption},
        {kFrame2, d.Frame2.Caption},          {kCheck1, d.Check1.Caption},
        {kCheck2, d.Check2.Caption},          {kCheck3, d.Check3.Caption},
        {kFrame8, d.Frame8.Caption},          {kCmdSet, d.cmdSet.Caption},
        {kFrame3, d.Frame3.Caption},          {kCommand1, d.Command1.Caption},
        {kCommand2, d.Command2.Caption},
    };
    for (const auto& [id, caption] : captions) {
        ShowText(Item(id), caption);
    }
    // The skin's name lies over the frame's top edge, which shows through it: a new
    // name needs what is behind it drawn again.
    HWND label2 = Item(kLabel2);
    if (ShowText(label2, d.Label2.Caption)) {
        const RECT place = ChildRect(label2);
        ::RedrawWindow(window_, &place, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

void SettingsDialog::RenderSkinList() {
    const ComboBox& list = dialog_.Combo1;
    HWND combo = Item(kCombo1);
    if (list.List != shownSkins_) {
        ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
        for (const std::string& skin : list.List) {
            ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(skin).c_str()));
        }
        shownSkins_ = list.List;
    }
    // Shown while no skin is selected.
    if (std::wstring cue = Widen(list.Text); cue != shownCue_) {
        ::SendMessageW(combo, CB_SETCUEBANNER, 0, reinterpret_cast<LPARAM>(cue.c_str()));
        shownCue_ = std::move(cue);
    }
    const int selected =
        list.ListIndex >= 0 && list.ListIndex < list.ListCount() ? list.ListIndex : -1;
    if (::SendMessageW(combo, CB_GETCURSEL, 0, 0) != selected) {
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    }
    if (list.Visible != (::IsWindowVisible(combo) != FALSE)) {
        ::ShowWindow(combo, list.Visible ? SW_SHOWNA : SW_HIDE);
    }
}

// Image1(1) has a window of its own, at its place in the frame and of its picture's
// size; the other previews are drawn in Picture1 at their places in it.
void SettingsDialog::RenderPreviews() {
    const auto& images = dialog_.Image1;
    std::vector<PicturePanel::Layer> strip;
    for (const std::size_t index : kStripImages) {
        const Image& image = images.at(index);
        if (image.Visible && image.Picture != nullptr) {
            strip.push_back(PicturePanel::Layer{image.Picture, PixelRect(TwipsOf(image), dpi_)});
        }
    }
    picture1_->Show(std::move(strip));

    const Image& beside = images.at(kImageBesideStrip);
    const RECT place = PlaceInWindow({TwipsOf(dialog_.Frame3), TwipsOf(beside)}, dpi_);
    if (HWND panel = image1Beside_->hwnd(); panel != nullptr) {
        const RECT shown = ChildRect(panel);
        if (!::EqualRect(&shown, &place)) {
            MoveTo(panel, place);
        }
    }
    std::vector<PicturePanel::Layer> layers;
    if (beside.Visible && beside.Picture != nullptr) {
        layers.push_back(
            {beside.Picture, {0, 0, place.right - place.left, place.bottom - place.top}});
    }
    image1Beside_->Show(std::move(layers));
}

// The capture control comes when the model has made it, inside picHotKey's place; its
// value is the model's as it is: the virtual key in the low byte, HOTKEYF_ bits above.
void SettingsDialog::RenderHotKey() {
    const HotKeyCapture& capture = dialog_.hotKeyControl;
    if (!capture.Created) {
        return;
    }
    HWND hotKey = Item(kHotKey);
    if (hotKey == nullptr) {
        HWND label = AddHiddenLabel(window_, instance_, kHotKeyCaptureName);
        ::SetWindowPos(label, Item(kFrame8), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        hotKey = AddControl(kHotKey, HOTKEY_CLASSW, WS_GROUP | WS_TABSTOP);
        ::SetWindowPos(hotKey, label, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ::SendMessageW(hotKey, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        Place(kHotKey, {TwipsOf(dialog_.Frame8), TwipsOf(dialog_.picHotKey)});
    }
    ::SendMessageW(hotKey, HKM_SETRULES, static_cast<WPARAM>(capture.InvalidCombinations),
                   static_cast<LPARAM>(capture.InvalidModifiers));
    if (::SendMessageW(hotKey, HKM_GETHOTKEY, 0, 0) != capture.Value) {
        ::SendMessageW(hotKey, HKM_SETHOTKEY, capture.Value, 0);
    }
}

// The key the capture control shows becomes the model's.
void SettingsDialog::TakeCapturedKey() {
    const auto value =
        static_cast<std::uint16_t>(::SendMessageW(Item(kHotKey), HKM_GETHOTKEY, 0, 0));
    hotkey1::SetHotKeyControlValue(dialog_.hotKeyControl, value);
}

void SettingsDialog::Pass(const std::function<void()>& handler) {
    if (rendering_) {
        return;
    }
    SafeCall(handler);
    if (changed_) {
        changed_();
    }
}

void SettingsDialog::Command(int id, int code) {
    if (id >= kOption1 && id < kOption1 + static_cast<int>(dialog_.Option1.size())) {
        if (code == BN_CLICKED) {
            Pass([&] { dialog_.SetOption1(id - kOption1, true); });
        }
        return;
    }
    switch (id) {
        case IDCANCEL:
            Close();
            break;
        case kText5:
            if (code == EN_CHANGE) {
                Pass([&] { CopyEditToModel(Item(kText5), dialog_.Text5); });
            }
            break;
        case kCheck1:
            if (code == BN_CLICKED) {
                Pass([&] { dialog_.Check1.Value = IsChecked(Item(kCheck1)) ? 1 : 0; });
            }
            break;
        case kCheck2:
            if (code == BN_CLICKED) {
                Pass([&] {
                    dialog_.Check2.Value = IsChecked(Item(kCheck2)) ? 1 : 0;
                    dialog_.Check2_Click();
                });
            }
            break;
        case kCheck3:
            if (code == BN_CLICKED) {
                Pass([&] {
                    dialog_.Check3.Value = IsChecked(Item(kCheck3)) ? 1 : 0;
                    dialog_.Check3_Click();
                });
            }
            break;
        case kHotKey:
            if (code == EN_CHANGE) {
                Pass([&] { TakeCapturedKey(); });
            }
            break;
        case kCmdSet:
            // The capture control tells no change when a key clears it (Delete,
            // Backspace): 変更 reads what it shows.
            if (code == BN_CLICKED) {
                Pass([&] {
                    TakeCapturedKey();
                    dialog_.cmdSet_Click();
                });
            }
            break;
        case kCombo1:
            if (code == CBN_SELCHANGE) {
                Pass([&] {
                    dialog_.Combo1.ListIndex =
                        static_cast<int>(::SendMessageW(Item(kCombo1), CB_GETCURSEL, 0, 0));
                });
            }
            break;
        case kCommand1:
            if (code == BN_CLICKED) {
                Pass([&] { dialog_.Command1_Click(); });
            }
            break;
        case kCommand2:
            if (code == BN_CLICKED) {
                Pass([&] { dialog_.Command2_Click(); });
            }
            break;
        default:
            break;
    }
}

// The arrows step the model's decimals and run its handlers; the control keeps its own
// position and takes the model's when rendered.
bool SettingsDialog::Notify(const NMHDR& header, LPARAM lParam) {
    if (header.idFrom != static_cast<UINT_PTR>(kUpDown1) || header.code != UDN_DELTAPOS) {
        return false;
    }
    StepDecimals(reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta);
    return true;
}

void SettingsDialog::StepDecimals(int delta) {
    if (delta > 0) {
        Pass([&] {
            dialog_.UpDown1.StepUp();
            dialog_.UpDown1_UpClick();
        });
    } else if (delta < 0) {
        Pass([&] {
            dialog_.UpDown1.StepDown();
            dialog_.UpDown1_DownClick();
        });
    }
}

// The close box, the system menu and Escape ask the model, as the user closing the
// window; it hides the dialog and keeps it. A close it lets through ends the window.
void SettingsDialog::Close() {
    int cancel = 0;
    SafeCall([&] { dialog_.Form_QueryUnload(cancel, vbFormControlMenu); });
    if (changed_) {
        changed_();
    }
    if (cancel == 0 && window_ != nullptr) {
        ::DestroyWindow(window_);
    }
}

INT_PTR SettingsDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            CreateControls();
            ApplyDpi(WindowDpi(window_));
            CenterOnScreen();
            return TRUE;
        case WM_COMMAND:
            Command(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_NOTIFY: {
            const bool taken = Notify(*reinterpret_cast<const NMHDR*>(lParam), lParam);
            ::SetWindowLongPtrW(window_, DWLP_MSGRESULT, taken ? TRUE : FALSE);
            return taken ? TRUE : FALSE;
        }
        case WM_CLOSE:
            Close();
            return TRUE;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == Item(kLabel2)) {
                ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
                return reinterpret_cast<INT_PTR>(::GetStockObject(HOLLOW_BRUSH));
            }
            return FALSE;
        case WM_DPICHANGED: {
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            ApplyDpi(LOWORD(wParam));
            ::SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            const Raised rendering(rendering_);
            RenderControls();
            return TRUE;
        }
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(window_, DWLP_USER, 0);
            window_ = nullptr;
            shownSkins_.clear();
            shownCue_.clear();
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK SettingsDialog::Procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) noexcept {
    try {
        if (message == WM_INITDIALOG) {
            auto* self = reinterpret_cast<SettingsDialog*>(lParam);
            ::SetWindowLongPtrW(window, DWLP_USER, lParam);
            self->window_ = window;
            return self->Handle(message, wParam, lParam);
        }
        auto* self = reinterpret_cast<SettingsDialog*>(::GetWindowLongPtrW(window, DWLP_USER));
        return self != nullptr ? self->Handle(message, wParam, lParam) : FALSE;
    } catch (...) {
        return FALSE;
    }
}

}  // namespace zelvo::win32
