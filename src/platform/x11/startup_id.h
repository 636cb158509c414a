#pragma once

#include <string_view>

#include <xcb/xcb.h>

namespace zelvo::x11 {

// The activation token a desktop lends with a click on the tray icon, as X11 carries
// it: a window shown with the token of the user's click may take the focus, as the
// startup-notification and xdg-activation conventions agree. Set before the window
// is mapped.
void SetStartupId(xcb_connection_t* connection, xcb_window_t window, std::string_view id);

// Says the sequence of `id` is over (startup notification's "remove"), once the
// window that used it is shown.
void CompleteStartup(xcb_connection_t* connection, xcb_window_t window, std::string_view id);

}  // namespace zelvo::x11
