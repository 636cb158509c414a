#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "about/frm_about.h"
#include "platform/win32/windows_api.h"
#include "ui/win32/dialog_font.h"
#include "ui/win32/dialog_template.h"

namespace zelvo::win32 {

// The About box's layout, in dialog units, so that it grows with its font: the icon and
// the title, version and description beside it; below a line, the legal notice with
// the OK and system information buttons to its right. The texts are the model's,
// filled in when the box opens.
DialogTemplate AboutBoxTemplate(std::wstring_view face, WORD points);

// The About box on screen, shown modally.
class AboutBox {
  public:
    // The box's controls, as GetDlgItem finds them; OK is IDOK.
    enum ControlId : int {
        kIcon = 100,
        kTitle = 101,
        kVersion = 102,
        kDescription = 103,
        kSeparator = 104,
        kDisclaimer = 105,
        kSysInfo = 106,
    };

    // Set in `face` at `points`: the dialog font unless told otherwise.
    explicit AboutBox(frmAbout& about, std::wstring face = DialogFontFace(),
                      WORD points = kDialogPointSize);

    // Shows the model's caption and texts until OK, Escape or the close box, each of
    // which closes the box as the model's OK does.
    void ShowModal(HWND owner);

  private:
    struct IconDeleter {
        void operator()(HICON icon) const { ::DestroyIcon(icon); }
    };
    using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept;
    INT_PTR Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Fill(HWND window) const;
    void MakeTitleFont(HWND window);
    void ShowIcon(HWND window);
    void Finish(HWND window, int result);

    frmAbout& about_;
    std::wstring face_;
    WORD points_;
    UniqueFont titleFont_;
    UniqueIcon icon_;
};

}  // namespace zelvo::win32
