#pragma once

#include <xcb/xcb.h>

namespace zelvo::x11 {

// The X11 system tray of the default screen: the manager that owns the selection
// _NET_SYSTEM_TRAY_S<screen>, and the MANAGER message it sends the root window when
// it takes the selection.
class SystemTray {
  public:
    explicit SystemTray(xcb_connection_t* connection);

    // Whether a tray manager owns the selection now.
    bool Present() const;
    // Also hears, on this connection, the messages sent to the root window.
    void WatchManagers() const;
    // Whether the event announces a tray manager of this screen.
    bool IsManagerAnnouncement(const xcb_generic_event_t* event) const;

  private:
    xcb_connection_t* connection_;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    xcb_atom_t selection_ = XCB_ATOM_NONE;
    xcb_atom_t manager_ = XCB_ATOM_NONE;
};

}  // namespace zelvo::x11
