#pragma once

namespace zelvo {

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// Window-manager operations on the bar window.
class WindowOps {
  public:
    virtual ~WindowOps() = default;
    // Keeps the bar in front of all normal windows, or returns it to the normal band,
    // without moving or resizing it.
    virtual void SetBarKeepAbove(bool above) = 0;
    // A point in pixels relative to the bar's client area, in screen pixels.
    virtual PixelPoint BarClientToScreen(PixelPoint client) = 0;
    // Whether the bar is the window the user works in (the active window).
    virtual bool IsBarForeground() = 0;
    // Makes the bar the active window in front of the others.
    virtual void BringBarToForeground() = 0;
};

}  // namespace zelvo
