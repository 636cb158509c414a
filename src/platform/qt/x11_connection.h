#pragma once

#include <xcb/xcb.h>

namespace zelvo {

// The X server connection Qt uses, or null when Qt does not run on X11 (the
// offscreen platform of the view tests, Wayland).
xcb_connection_t* X11Connection();

}  // namespace zelvo
