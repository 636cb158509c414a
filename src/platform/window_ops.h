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
};

}  // namespace zelvo
