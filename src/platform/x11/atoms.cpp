#include "platform/x11/atoms.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace zelvo::x11 {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

xcb_window_t RootOf(xcb_connection_t* connection, xcb_window_t window) {
    const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr),
        &std::free);
    return geometry ? geometry->root : static_cast<xcb_window_t>(XCB_WINDOW_NONE);
}

}  // namespace zelvo::x11
