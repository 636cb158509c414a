#pragma once

#include <initializer_list>

#include "platform/win32/windows_api.h"

namespace zelvo::win32 {

// A control's place as its model holds it: twips relative to its container.
struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

template <typename Control>
TwipsRect TwipsOf(const Control& control) {
    return {control.Left, control.Top, control.Width, control.Height};
}

// The place in pixels at `dpi`: the left, top, width and height each rounded on their
// own, so that a control keeps its size in whole pixels wherever it stands.
RECT PixelRect(const TwipsRect& place, UINT dpi);

// The place in the window's client area of a control inside containers, outermost
// container first and the control last: each container moves it by its own left and
// top edges in whole pixels, as a child window would be moved by its parent.
RECT PlaceInWindow(std::initializer_list<TwipsRect> chain, UINT dpi);

}  // namespace zelvo::win32
