#include "ui/win32/window_views.h"

namespace zelvo::win32 {

WindowViews::WindowViews(HINSTANCE instance, WindowSet& windows, Win32Toolkit& toolkit,
                         Win32WindowOps& windowOps)
    : bar_(instance, windows.bar, [this] { Render(); }),
      dialog_(instance, windows.dialog, [this] { Render(); }),
      about_(windows.about) {
    windowOps.AttachBar(bar_.hwnd());
    toolkit.SetOwner([this] { return bar_.hwnd(); });
    bar_.SetMenuAnchor([&toolkit](POINT point) { toolkit.PopupNextMenuAt(point); });
    toolkit.SetBeforeModal([this] { Render(); });
    toolkit.SetShowAbout([this] { about_.ShowModal(bar_.hwnd()); });
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

}  // namespace zelvo::win32
