#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

#include "platform/window_ops.h"

namespace zelvo {

// The bar's window-manager operations on an X11 desktop; without X11 (the offscreen
// platform of the view tests) keep-above is only remembered.
class QtWindowOps final : public WindowOps {
  public:
    void AttachBar(QWidget* bar) { bar_ = bar; }

    void SetBarKeepAbove(bool above) override;
    PixelPoint BarClientToScreen(PixelPoint client) override;
    bool IsBarForeground() override;
    void BringBarToForeground() override;

    // A window manager forgets the state of a window it no longer shows: the bar
    // carries it again each time before it is shown. A bar shown for a click on the
    // tray icon carries the activation token the desktop lent with the click (the
    // tray leaves it in XDG_ACTIVATION_TOKEN), so that the desktop gives it the focus
    // as it does a program it starts.
    void BeforeBarShown();
    // A hidden or minimised window cannot become the active one: a request made
    // while the bar was put away is carried out once it is shown.
    void AfterBarShown();

    bool barKeepAbove() const { return keepAbove_; }

  private:
    void Apply();
    void Activate();

    QPointer<QWidget> bar_;
    bool keepAbove_ = false;
    bool activateWhenShown_ = false;
    std::string startupId_;
};

}  // namespace zelvo
