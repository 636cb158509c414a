#pragma once

#include <xcb/xcb.h>

namespace zelvo::x11 {

// The atom of a name, interned if needed; XCB_ATOM_NONE when the server fails. An atom
// stays what it is while the server runs, so each name is asked for once per connection.
xcb_atom_t Atom(xcb_connection_t* connection, const char* name);

// The root window of the screen that `window` is on, asked for once per window: a window
// stays on the screen it was made on.
xcb_window_t RootOf(xcb_connection_t* connection, xcb_window_t window);

}  // namespace zelvo::x11
