#pragma once

#include <QPointer>
#include <QWidget>

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
    // carries it again each time before it is shown.
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
};

}  // namespace zelvo
