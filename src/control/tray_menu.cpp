#include <cmath>

#include "about/frm_about.h"
#include "bar/form1.h"
#include "control/form2.h"
#include "control/task.h"
#include "conversion/notices.h"

namespace zelvo {
namespace {

constexpr int WM_LBUTTONDOWN = 513;
constexpr int WM_RBUTTONDOWN = 516;
constexpr std::string_view kHelpMimeType = "application/vnd.ms-htmlhelp";

}  // namespace

void Form2::RunPulldown2(const std::string& choice) {
    if (choice == "pulldown2_bar_out") {
        pulldown2_bar_out_Click();
    } else if (choice == "pulldown2_settei") {
        pulldown2_settei_Click();
    } else if (choice == "pulldown2_Bardefault") {
        pulldown2_Bardefault_Click();
    } else if (choice == "pulldown2_help") {
        pulldown2_help_Click();
    } else if (choice == "pulldown2_Version_view") {
        pulldown2_Version_view_Click();
    } else if (choice == "pulldown2_exit") {
        pulldown2_exit_Click();
    }
}

void Form2::pulldown2_bar_out_Click() {
    bar_.Visible = true;
    platform_.windowOps.BringBarToForeground();
}

void Form2::pulldown2_settei_Click() {
    ShowSettings();
}

// The compiled help where the desktop has a viewer for it, otherwise the same pages
// as HTML in the browser; a word to the user when neither opens.
void Form2::pulldown2_help_Click() {
    const std::string folder = platform_.paths.HelpFolder();
    const std::string chm = folder + "/help.chm";
    if (platform_.shell.HasHandlerFor(std::string(kHelpMimeType)) &&
        platform_.shell.OpenDocument(chm)) {
        return;
    }
    const std::string html = folder + "/help/index.html";
    if (!platform_.shell.OpenDocument(html)) {
        platform_.toolkit.MessageBox(std::string(notice::kHelpNotOpened) + html, MessageIcon::None);
    }
}

void Form2::pulldown2_Version_view_Click() {
    about_.Form_Load();
    about_.Visible = true;
    platform_.toolkit.ShowAboutBoxModal();
    about_.Visible = false;
}

void Form2::pulldown2_exit_Click() {
    EndProgram();
}

// The tray icon's events arrive as a mouse move whose x is the event's message
// number in pixels, given in twips. The twips per pixel need not be whole (7.5 at
// 192 dpi): x is divided by them as they are, and the pixels truncated, with room
// for the rounding of the float the code came in.
void Form2::Form_MouseMove(int /*button*/, int /*shift*/, float x, float /*y*/) {
    constexpr double kRoundingRoom = 1.0 / 1024;
    const double twipsPerPixel = platform_.toolkit.TwipsPerPixelX();
    if (!(twipsPerPixel > 0)) {
        return;
    }
    const auto code = static_cast<long>(std::floor(x / twipsPerPixel + kRoundingRoom));
    if (code == WM_LBUTTONDOWN) {
        bar_.Visible = true;
    } else if (code == WM_RBUTTONDOWN) {
        RunPulldown2(platform_.toolkit.PopupMenu(pulldown2.items));
    }
}

void Form2::Form_QueryUnload(int& Cancel, int UnloadMode) {
    if (UnloadMode == vbFormControlMenu) {
        Visible = false;
        Cancel = 1;
    } else if (UnloadMode == vbFormCode) {
        hotkey2::UnhookWindow(*this);
        task::DeleteTrayIcon(platform_.trayIcon, TrayIconData);
    }
}

}  // namespace zelvo
