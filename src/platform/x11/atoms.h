#pragma once

#include <xcb/xcb.h>

namespace zelvo::x11 {

// The atom of a name, interned if needed; XCB_ATOM_NONE when the server fails.
xcb_atom_t Atom(xcb_connection_t* connection, const char* name);

// The root window of the screen that `window` is on.
xcb_window_t RootOf(xcb_connection_t* connection, xcb_window_t window);

}  // namespace zelvo::x11
