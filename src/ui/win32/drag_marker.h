#pragma once

#include "controls/shape.h"
#include "platform/win32/windows_api.h"

namespace zelvo::win32 {

// The outline that stands in for a separator while it is dragged: a window of its own
// in front of all others, so that it is drawn over the bar's pictures wherever the
// drag takes it. It takes no mouse input and never the focus.
class DragMarker {
  public:
    DragMarker(HINSTANCE instance, HWND owner);
    ~DragMarker();
    DragMarker(const DragMarker&) = delete;
    DragMarker& operator=(const DragMarker&) = delete;

    HWND hwnd() const { return window_; }
    // Shows the outline with `screen` (pixels) as its outer edge, or hides it.
    void Render(bool visible, const RECT& screen);

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_;
};

// Where the marker model `shape` (twips in the client area) stands on the screen, the
// client area's top left corner being at `clientOrigin`.
RECT MarkerPlace(const Shape& shape, POINT clientOrigin, UINT dpi);

}  // namespace zelvo::win32
