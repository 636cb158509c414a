#pragma once

#include <xcb/xcb.h>

namespace zelvo::x11 {

// The X11 system tray of the default screen: the manager that owns the selection
// _NET_SYSTEM_TRAY_S<screen>, and the MANAGER message it sends the root window when
// it takes the selection.
class SystemTray {
  public:
    explicit SystemTray(xcb_connection_t* connection);
    ~SystemTray();
    SystemTray(const SystemTray&) = delete;
    SystemTray& operator=(const SystemTray&) = delete;

    // Whether a tray manager owns the selection now.
    bool Present() const;
    // Also hears, on this connection, the messages sent to the root window.
    void WatchManagers() const;
    // Whether the event announces a tray manager of this screen.
    bool IsManagerAnnouncement(const xcb_generic_event_t* event) const;

  private:
    // The atoms are asked for when the tray is made and their answers read when first
    // needed, by then without a wait of their own.
    void ReadAtoms() const;

    xcb_connection_t* connection_;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    mutable xcb_intern_atom_cookie_t selectionCookie_{};
    mutable xcb_intern_atom_cookie_t managerCookie_{};
    mutable bool atomsRead_ = false;
    mutable xcb_atom_t selection_ = XCB_ATOM_NONE;
    mutable xcb_atom_t manager_ = XCB_ATOM_NONE;
};

}  // namespace zelvo::x11
