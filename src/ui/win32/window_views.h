#pragma once

#include "control/window_set.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_window_ops.h"
#include "platform/win32/windows_api.h"
#include "ui/win32/about_box.h"
#include "ui/win32/bar_window.h"
#include "ui/win32/settings_dialog.h"

namespace zelvo::win32 {

// The windows of all models. Whatever event one of them passes to a model, all of
// them are brought up to date afterwards, as one handler may change several windows.
class WindowViews {
  public:
    WindowViews(HINSTANCE instance, WindowSet& windows, Win32Toolkit& toolkit,
                Win32WindowOps& windowOps);

    void Render();
    // The settings dialog's keyboard navigation, for a message of the program's loop.
    bool PreTranslate(MSG& message) { return dialog_.PreTranslate(message); }

    BarWindow& bar() { return bar_; }
    SettingsDialog& dialog() { return dialog_; }

  private:
    bool rendering_ = false;
    BarWindow bar_;
    SettingsDialog dialog_;
    AboutBox about_;
};

}  // namespace zelvo::win32
