#include "ui/qt/window_views.h"

#include <QPixmapCache>

namespace zelvo {

WindowViews::WindowViews(WindowSet& windows, QtToolkit& toolkit, QtWindowOps& windowOps)
    : bar_(
          windows.bar, toolkit, [this] { Render(); }, [&windowOps] { windowOps.BeforeBarShown(); },
          [&windowOps] { windowOps.AfterBarShown(); }),
      dialog_(windows.dialog, toolkit, [this] { Render(); }),
      about_(windows.about) {
    // Qt's pixmap cache tidies itself 30 seconds after it was last filled, waking the
    // program, hidden in the tray or not, for that alone; the few icons drawn here are cheap
    // to scale again, so nothing is cached.
    QPixmapCache::setCacheLimit(0);
    toolkit.SetBeforeModal([this] { Render(); });
    toolkit.SetShowAbout([this] {
        about_.Render();
        about_.exec();
    });
    windowOps.AttachBar(&bar_);
    bar_.SetMenuAnchor([&toolkit](QPoint point) { toolkit.PopupNextMenuAt(point); });
}

void WindowViews::Render() {
    if (rendering_) {
        return;
    }
    rendering_ = true;
    bar_.Render();
    dialog_.Render();
    rendering_ = false;
}

}  // namespace zelvo
