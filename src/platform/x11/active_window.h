#pragma once

#include <xcb/xcb.h>

namespace zelvo::x11 {

// The window the window manager reports as active (_NET_ACTIVE_WINDOW), or none.
xcb_window_t ActiveWindow(xcb_connection_t* connection, xcb_window_t anyWindow);

// The window that has the X input focus, or none.
xcb_window_t InputFocus(xcb_connection_t* connection);

// Asks the window manager to activate and raise a window, as a pager does: window
// managers that keep programs from stealing the focus still honour a pager.
void RequestActivation(xcb_connection_t* connection, xcb_window_t window);

}  // namespace zelvo::x11
