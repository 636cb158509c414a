#pragma once

#include <xcb/xcb.h>

namespace zelvo::x11 {

// Whether the window manager shows the window now: mapped, in the normal state and
// not hidden (iconified). Asked of the X server, not of what the toolkit last heard.
bool IsShownByWindowManager(xcb_connection_t* connection, xcb_window_t window);

}  // namespace zelvo::x11
