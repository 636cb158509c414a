#pragma once

#include <xcb/xcb.h>

namespace zelvo::x11 {

// Puts a top-level window into the window manager's keep-above band or takes it out
// (_NET_WM_STATE_ABOVE). A mapped window asks the window manager; an unmapped one
// carries the state in its own property, which the window manager reads when the
// window is mapped. Position and size are left alone.
void SetKeepAbove(xcb_connection_t* connection, xcb_window_t window, bool above);

}  // namespace zelvo::x11
