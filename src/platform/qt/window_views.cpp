#include "platform/qt/window_views.h"

namespace zelvo {

WindowViews::WindowViews(WindowSet& windows, QtToolkit& toolkit)
    : bar_(windows.bar, toolkit, [this] { Render(); }),
      dialog_(windows.dialog, toolkit, [this] { Render(); }) {
    toolkit.SetBeforeModal([this] { Render(); });
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
