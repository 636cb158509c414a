#include "platform/x11/window_state.h"

#include <cstdlib>
#include <memory>

#include "platform/x11/atoms.h"

namespace zelvo::x11 {
namespace {

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

constexpr std::uint32_t kNormalState = 1;  // ICCCM WM_STATE

Owned<xcb_get_property_reply_t> Property(xcb_connection_t* connection, xcb_window_t window,
                                         xcb_atom_t property) {
    return {xcb_get_property_reply(
                connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ANY, 0, 64),
                nullptr),
            &std::free};
}

}  // namespace

bool IsShownByWindowManager(xcb_connection_t* connection, xcb_window_t window) {
    const Owned<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window),
                                        nullptr),
        &std::free);
    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) {
        return false;
    }
    const auto wmState = Property(connection, window, Atom(connection, "WM_STATE"));
    if (!wmState || wmState->format != 32 || xcb_get_property_value_length(wmState.get()) < 4 ||
        *static_cast<const std::uint32_t*>(xcb_get_property_value(wmState.get())) != kNormalState) {
        return false;
    }
    const xcb_atom_t hidden = Atom(connection, "_NET_WM_STATE_HIDDEN");
    const auto netState = Property(connection, window, Atom(connection, "_NET_WM_STATE"));
    if (netState && netState->format == 32) {
        const auto* states = static_cast<const xcb_atom_t*>(xcb_get_property_value(netState.get()));
        const int count = xcb_get_property_value_length(netState.get()) / 4;
        for (int i = 0; i < count; ++i) {
            if (states[i] == hidden) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace zelvo::x11
