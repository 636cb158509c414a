#pragma once

#include "control/window_set.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/qt/qt_window_ops.h"
#include "ui/qt/about_view.h"
#include "ui/qt/bar_view.h"
#include "ui/qt/settings_view.h"

namespace zelvo {

// The views of all windows. Whatever event one of them passes to a model, all of
// them are brought up to date afterwards, as one handler may change several windows.
class WindowViews {
  public:
    WindowViews(WindowSet& windows, QtToolkit& toolkit, QtWindowOps& windowOps);

    void Render();
    // Where the bar goes when hidden: see BarView::SetTrayPresence.
    void SetTrayPresence(std::function<bool()> inTray, std::function<void()> keptShown = {}) {
        bar_.SetTrayPresence(std::move(inTray), std::move(keptShown));
    }

    BarView& bar() { return bar_; }
    SettingsView& dialog() { return dialog_; }
    AboutView& about() { return about_; }

  private:
    bool rendering_ = false;
    BarView bar_;
    SettingsView dialog_;
    AboutView about_;
};

}  // namespace zelvo
