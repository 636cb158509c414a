#include "bar/form1.h"
#include "bar/skin_roles.h"
#include "control/form2.h"
#include "control/task.h"
#include "settings/settings_keys.h"
#include "settings/settings_reader.h"

namespace zelvo {

// The start-up sequence of the control window, in its fixed order.
void Form2::Form_Load() {
    loaded_ = true;
    LoadSettings(bar_, *this, platform_.paths.SettingsFile());

    Combo1.Clear();
    Combo1.Visible = false;
    std::set<FolderId> seen;
    for (const std::string& skins : platform_.paths.SkinFolders()) {
        ListSkinFoldersOf(skins, seen);
    }
    SelectStartSkin();
    Command1_Click();
    Command2_Click();
    Combo1.Visible = true;
    ApplySkinImages(bar_, *this);

    StartHotKey();
    hotkey2::HookWindow(*this);
    task::AddTrayIcon(platform_.trayIcon, TrayIconData, kControlWindowHandle, kProgramIconHandle,
                      "");

    Visible = false;
    pulldown2.Visible = false;
    if (Check1.Value == 1) {
        bar_.Visible = false;
    }
    FormatDecimalsSample();
}

// "skin_default" first, then the skin last applied when it is still there.
void Form2::SelectStartSkin() {
    Combo1.SelectFirst(std::string(kDefaultSkin));
    Combo1.SelectFirst(Label2.Caption);
}

// The stored hot key, normalised through the capture control's value, registered
// without a word on failure, and shown.
void Form2::StartHotKey() {
    HotKeyCtlHwnd =
        hotkey1::CreateHotKeyControl(hotKeyControl, picHotKey, platform_.toolkit.TwipsPerPixelX(),
                                     platform_.toolkit.TwipsPerPixelY());
    ReleaseHotKey();
    hotKeyRecord.HotKeyAtom = platform_.globalHotKey.GlobalAddAtom(hotkey1::kAtomName);
    const std::uint16_t value = hotkey1::HotKeyToControlValue(hotKeyRecord);
    hotkey1::ControlValueToHotKey(value, hotKeyRecord);
    RegisterStoredHotKey();
    hotkey1::SetHotKeyControlValue(hotKeyControl, value);
}

std::int32_t Form2::ReceiveMessage(int message, std::int32_t wParam, std::int32_t lParam) {
    return WindowProc ? WindowProc(message, wParam, lParam) : 0;
}

void Form2::EndProgram() {
    if (ended_) {
        return;
    }
    ended_ = true;
    bar_.Form_Unload();
    bar_.Visible = false;
    int cancel = 0;
    Form_QueryUnload(cancel, vbFormCode);
    Visible = false;
    platform_.toolkit.Quit();
}

}  // namespace zelvo
