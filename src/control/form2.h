#pragma once

#include <array>
#include <set>
#include <string>

#include "control/hotkey1.h"
#include "control/hotkey2.h"
#include "controls/check_box.h"
#include "controls/combo_box.h"
#include "controls/command_button.h"
#include "controls/frame.h"
#include "controls/image.h"
#include "controls/label.h"
#include "controls/option_button.h"
#include "controls/picture_box.h"
#include "controls/text_box.h"
#include "controls/up_down.h"
#include "platform/menu.h"
#include "platform/platform.h"

namespace zelvo {

class form1;
class frmAbout;

// Handles of the control window and of the program icon, as the tray record carries them.
inline constexpr std::uint32_t kControlWindowHandle = 1;
inline constexpr std::uint32_t kProgramIconHandle = 1;

// Why the control window is asked to close.
inline constexpr int vbFormControlMenu = 0;  // the user: close box or system menu
inline constexpr int vbFormCode = 1;         // the program's own shut-down

// The control window, which is also the settings dialog ("設定"). Frames are
// placed in the dialog; each control is placed relative to its frame.
class Form2 {
  public:
    Form2(Platform& platform, form1& bar, frmAbout& about);

    form1& bar() const { return bar_; }

    // The window (client size).
    std::string Caption;
    float Width = 0;
    float Height = 0;
    bool Visible = false;

    // Pixel density ("Pixel部の設定"): 96 ppi, 72 ppi, or the density typed in Text5.
    Frame Frame7;
    std::array<OptionButton, 3> Option1;
    TextBox Text5;
    Label Label9;

    // Decimals shown ("換算結果は" <sample> <arrows> "まで表示する").
    Frame Frame1;
    Label Label5;
    UpDown UpDown1;
    Label Label1;

    // Bar options ("Barの表示設定"): start in the tray; keep the bar on top.
    Frame Frame2;
    CheckBox Check1;
    CheckBox Check2;
    CheckBox Check3;  // start at login: the autostart entry's presence, not stored

    // Hot key ("ホットキー設定"): the key-capture control lives in picHotKey.
    Frame Frame8;
    PictureBox picHotKey;
    CommandButton cmdSet;
    HotKeyCapture hotKeyControl;
    int HotKeyCtlHwnd = 0;

    // The stored hot key and its atom.
    hotkey1::HotKeyRecord hotKeyRecord;

    // The control window's procedure, which every message sent to it passes, and the
    // one the message hook put aside.
    hotkey2::WindowProcedure WindowProc;
    hotkey2::WindowProcedure PrevWndProc;

    // The tray menu; its top-level entry is never shown, only its pop-up.
    MenuItem pulldown2;
    // The tray icon's record, kept from adding the icon to deleting it.
    NotifyIconData TrayIconData;

    // Skin choice ("skin選択"). Image1(1) sits in the frame; the other previews sit
    // in the white box Picture1.
    Frame Frame3;
    Label Label2;
    ComboBox Combo1;
    CommandButton Command1;
    CommandButton Command2;
    PictureBox Picture1;
    std::array<Image, 10> Image1;

    // Selects or clears a density option as a click would: selecting one clears the
    // other two and raises Option1_Click; clearing touches only that option.
    void SetOption1(int index, bool value);
    // Index of the first selected density option, or 3 when none is selected.
    int DensityIndex() const;

    void Option1_Click(int index);
    void Text5_KeyPress(int& keyAscii);
    // The arrows have already changed UpDown1's value when these run.
    void UpDown1_UpClick();
    void UpDown1_DownClick();
    // Shows the chosen number of decimals in the sample Label5 ("0.00" for two).
    void FormatDecimalsSample();

    // Appends the names of the sub-folders of `folderPath`, depth first, to Combo1.
    void ListSkinFolders(const std::string& folderPath);
    // The folder the skin `name` is loaded from, ending in "/".
    std::string SkinFolderNamed(const std::string& name) const;
    void Command1_Click();
    void Command2_Click();

    // Applies the topmost mode the check box shows.
    void Check2_Click();
    // Writes or removes the login start as the check box shows.
    void Check3_Click();
    // Shows the dialog, its login check box reading the autostart entry afresh.
    void ShowSettings();
    // Check2 changed by the program: raises Check2_Click when the value changes.
    void SetCheck2(int value);

    // The tray menu's entry of that name chosen.
    void RunPulldown2(const std::string& choice);
    // The tray menu's entries.
    void pulldown2_bar_out_Click();
    void pulldown2_settei_Click();
    // Bar position and sizes back to the factory layout, the bar shown.
    void pulldown2_Bardefault_Click();
    void pulldown2_help_Click();
    void pulldown2_Version_view_Click();
    void pulldown2_exit_Click();

    // A mouse event on the tray icon, its message number arriving as x in twips.
    void Form_MouseMove(int button, int shift, float x, float y);
    // A request to close this window; `UnloadMode` says why, `Cancel` keeps it open.
    void Form_QueryUnload(int& Cancel, int UnloadMode);

    // The start-up sequence; runs once, when the bar first refers to this window.
    void Form_Load();
    bool loaded() const { return loaded_; }

    // A message sent to the control window (the hot-key message, for one).
    std::int32_t ReceiveMessage(int message, std::int32_t wParam, std::int32_t lParam);

    // The message a press of the hot key sends, sent from elsewhere (zelvo --toggle).
    void SendHotKeyMessage();
    // Lets go of the registered hot key and its atom.
    void ReleaseHotKey();
    // Registers the stored hot key for the control window; false when refused.
    bool RegisterStoredHotKey();
    void cmdSet_Click();
    // The desktop's answer to a registration it settles later (GlobalHotKey::
    // AnswersLater). Only the answer to 変更 is reported, as 変更 reports its own
    // outcome; `boundKey` names the key the desktop keeps (OtherKey).
    void DesktopKeyAnswered(DesktopKeyAnswer answer, std::string_view boundKey);

    // Shut-down: the bar writes the settings as it unloads, then this window goes,
    // taking the message hook with it, and the program ends. Runs once.
    void EndProgram();

  private:
    void ShowDecimals();
    void StartHotKey();
    void SelectStartSkin();
    void ListSkinFoldersOf(const std::string& folderPath, std::set<FolderId>& seen);
    void ListSkinFoldersBelow(const std::string& folderPath, int depth, std::set<FolderId>& seen);

    Platform& platform_;
    form1& bar_;
    frmAbout& about_;
    bool loaded_ = false;
    bool ended_ = false;
    bool keyAnswerAwaited_ = false;
};

}  // namespace zelvo
