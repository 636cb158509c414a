#include "ui/win32/about_box.h"

#include <utility>

#include "platform/safe_call.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/wide_text.h"
#include "ui/win32/dpi.h"

namespace zelvo::win32 {
namespace {

constexpr DWORD kBoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
constexpr DialogUnits kBoxPlace = {0, 0, 250, 133};

// The title is set larger and bold: 14 points where the box has 9.
constexpr int kTitlePoints = 14;

// Sent to the box itself once the dialog manager has scaled it to a new DPI.
constexpr UINT kAfterDpiChange = WM_APP + 1;

}  // namespace

DialogTemplate AboutBoxTemplate(std::wstring_view face, WORD points) {
    DialogTemplate form(kBoxStyle, 0, kBoxPlace, L"", face, points);
    form.Add({AboutBox::kIcon,
              ControlClass::Static,
              L"",
              WS_CHILD | WS_VISIBLE | SS_ICON,
              0,
              {10, 10, 21, 21}});
    form.Add({AboutBox::kTitle, ControlClass::Static, L"", kLabelStyle, 0, {42, 10, 198, 16}});
    form.Add({AboutBox::kVersion, ControlClass::Static, L"", kLabelStyle, 0, {42, 29, 198, 10}});
    form.Add(
        {AboutBox::kDescription, ControlClass::Static, L"", kLabelStyle, 0, {42, 43, 198, 26}});
    form.Add({AboutBox::kSeparator,
              ControlClass::Static,
              L"",
              WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ,
              0,
              {10, 75, 230, 1}});
    form.Add({AboutBox::kDisclaimer, ControlClass::Static, L"", kLabelStyle, 0, {10, 82, 156, 42}});
    form.Add({IDOK,
              ControlClass::Button,
              L"",
              WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON,
              0,
              {174, 82, 66, 17}});
    form.Add({AboutBox::kSysInfo,
              ControlClass::Button,
              L"",
              WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
              0,
              {174, 105, 66, 17}});
    return form;
}

AboutBox::AboutBox(frmAbout& about, std::wstring face, WORD points)
    : about_(about), face_(std::move(face)), points_(points) {}

void AboutBox::ShowModal(HWND owner) {
    const DialogTemplate form = AboutBoxTemplate(face_, points_);
    ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), form.get(), owner, &Procedure,
                              reinterpret_cast<LPARAM>(this));
}

void AboutBox::Fill(HWND window) const {
    ::SetWindowTextW(window, Widen(about_.Caption).c_str());
    const std::pair<int, const std::string&> texts[] = {
        {kTitle, about_.lblTitle.Caption},
        {kVersion, about_.lblVersion.Caption},
        {kDescription, about_.lblDescription.Caption},
        {kDisclaimer, about_.lblDisclaimer.Caption},
        {IDOK, about_.cmdOK.Caption},
        {kSysInfo, about_.cmdSysInfo.Caption},
    };
    for (const auto& [id, text] : texts) {
        ::SetDlgItemTextW(window, id, Widen(text).c_str());
    }
}

// The box's own font, as the dialog manager made it for the box's DPI, larger and bold.
void AboutBox::MakeTitleFont(HWND window) {
    const auto boxFont = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
    LOGFONTW font{};
    if (boxFont == nullptr || ::GetObjectW(boxFont, sizeof font, &font) != sizeof font) {
        return;
    }
    font.lfHeight = ::MulDiv(font.lfHeight, kTitlePoints, kDialogPointSize);
    font.lfWeight = FW_BOLD;
    UniqueFont title(::CreateFontIndirectW(&font));
    ::SendDlgItemMessageW(window, kTitle, WM_SETFONT, reinterpret_cast<WPARAM>(title.get()), TRUE);
    titleFont_ = std::move(title);
}

// The program's icon at the size of a large icon at the box's DPI; the system's
// application icon where the program carries none.
void AboutBox::ShowIcon(HWND window) {
    const UINT dpi = WindowDpi(window);
    UniqueIcon icon(static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ZELVO_IDI_PROGRAM), IMAGE_ICON,
                     ::GetSystemMetricsForDpi(SM_CXICON, dpi),
                     ::GetSystemMetricsForDpi(SM_CYICON, dpi), LR_DEFAULTCOLOR)));
    HICON shown = icon != nullptr ? icon.get() : ::LoadIconW(nullptr, IDI_APPLICATION);
    ::SendDlgItemMessageW(window, kIcon, STM_SETICON, reinterpret_cast<WPARAM>(shown), 0);
    icon_ = std::move(icon);
}

void AboutBox::Finish(HWND window, int result) {
    SafeCall([&] { about_.cmdOK_Click(); });
    ::EndDialog(window, result);
}

INT_PTR AboutBox::Handle(HWND window, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
        case WM_INITDIALOG:
            Fill(window);
            MakeTitleFont(window);
            ShowIcon(window);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                case IDCANCEL:
                    Finish(window, LOWORD(wParam));
                    break;
                case kSysInfo:
                    if (HIWORD(wParam) == BN_CLICKED) {
                        SafeCall([&] { about_.cmdSysInfo_Click(); });
                    }
                    break;
                default:
                    break;
            }
            return TRUE;
        case WM_CLOSE:
            Finish(window, IDCANCEL);
            return TRUE;
        // The dialog manager scales the box, its font and its places to the new DPI;
        // the title's font and the icon follow once it has.
        case WM_DPICHANGED:
            ::PostMessageW(window, kAfterDpiChange, 0, 0);
            return FALSE;
        case kAfterDpiChange:
            MakeTitleFont(window);
            ShowIcon(window);
            return TRUE;
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(window, DWLP_USER, 0);
            titleFont_.reset();
            icon_.reset();
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK AboutBox::Procedure(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept {
    try {
        if (message == WM_INITDIALOG) {
            ::SetWindowLongPtrW(window, DWLP_USER, lParam);
        }
        auto* self = reinterpret_cast<AboutBox*>(::GetWindowLongPtrW(window, DWLP_USER));
        return self != nullptr ? self->Handle(window, message, wParam, lParam) : FALSE;
    } catch (...) {
        return FALSE;
    }
}

}  // namespace zelvo::win32
