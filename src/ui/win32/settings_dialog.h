#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "control/form2.h"
#include "platform/win32/windows_api.h"
#include "ui/win32/dialog_font.h"
#include "ui/win32/picture_panel.h"
#include "ui/win32/twips_place.h"

namespace zelvo::win32 {

// The settings dialog ("設定") on screen: a modeless dialog made when the model first
// shows it, its controls where the model places them (twips at the window's DPI, each
// control moved by its frame), its captions the model's. What the user does goes to
// the model's handlers; Render brings the controls up to date with the model.
class SettingsDialog {
  public:
    // The dialog's controls, as GetDlgItem finds them.
    enum ControlId : int {
        kFrame7 = 100,
        kOption1 = 101,  // Option1(0) to Option1(2): 101 to 103
        kText5 = 104,
        kLabel9 = 105,
        kFrame1 = 110,
        kLabel5 = 111,
        kUpDown1 = 112,
        kLabel1 = 113,
        kFrame2 = 120,
        kCheck1 = 121,
        kCheck2 = 122,
        kCheck3 = 123,
        kFrame8 = 130,
        kHotKey = 131,
        kCmdSet = 132,
        kFrame3 = 140,
        kLabel2 = 141,
        kCombo1 = 142,
        kCommand1 = 143,
        kCommand2 = 144,
        kImage1Beside = 145,  // Image1(1), which stands in the frame beside Picture1
        kPicture1 = 146,      // the white box with the other previews
    };

    // `changed` is called after every event this dialog passed to the model.
    SettingsDialog(HINSTANCE instance, Form2& dialog, std::function<void()> changed);
    ~SettingsDialog();
    SettingsDialog(const SettingsDialog&) = delete;
    SettingsDialog& operator=(const SettingsDialog&) = delete;

    // Null until the dialog is first shown.
    HWND hwnd() const { return window_; }

    // Makes the dialog when the model shows it for the first time, then brings its
    // controls and its visibility up to date with the model.
    void Render();

    // Keyboard navigation of the dialog (Tab, arrows, Escape, mnemonics) for a message
    // of the program's loop; true when the dialog took it.
    bool PreTranslate(MSG& message);

  private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept;
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Create();
    void CreateControls();
    HWND AddControl(int id, const wchar_t* windowClass, DWORD style, DWORD exStyle = 0);
    void ApplyDpi(UINT dpi);
    void FitClientArea();
    UniqueFont MakeDensityFont() const;
    void Layout();
    void Place(int id, std::initializer_list<TwipsRect> chain);
    void CenterOnScreen();

    void RenderControls();
    void RenderCaptions();
    void RenderSkinList();
    void RenderPreviews();
    void RenderHotKey();
    void TakeCapturedKey();

    void Command(int id, int code);
    bool Notify(const NMHDR& header, LPARAM lParam);
    // One step of the decimals arrows, up (> 0) or down.
    void StepDecimals(int delta);
    void Close();
    void Pass(const std::function<void()>& handler);
    HWND Item(int id) const { return ::GetDlgItem(window_, id); }

    HINSTANCE instance_;
    Form2& dialog_;
    std::function<void()> changed_;
    HWND window_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    bool rendering_ = false;
    UniqueFont font_;
    UniqueFont densityFont_;
    std::unique_ptr<PicturePanel> image1Beside_;
    std::unique_ptr<PicturePanel> picture1_;
    std::vector<std::string> shownSkins_;
    std::wstring shownCue_;
};

}  // namespace zelvo::win32
