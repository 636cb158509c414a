#include "platform/x11/active_window.h"

#include <cstdlib>
#include <memory>

#include "platform/x11/atoms.h"

namespace zelvo::x11 {
namespace {

constexpr std::uint32_t kFromPager = 2;

}  // namespace

xcb_window_t ActiveWindow(xcb_connection_t* connection, xcb_window_t anyWindow) {
    const xcb_atom_t active = Atom(connection, "_NET_ACTIVE_WINDOW");
    const xcb_window_t root = RootOf(connection, anyWindow);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, root, active, XCB_ATOM_WINDOW, 0, 1),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) {
        return XCB_WINDOW_NONE;
    }
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

xcb_window_t InputFocus(xcb_connection_t* connection) {
    const std::unique_ptr<xcb_get_input_focus_reply_t, decltype(&std::free)> reply(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr),
        &std::free);
    return reply ? reply->focus : static_cast<xcb_window_t>(XCB_WINDOW_NONE);
}

void RequestActivation(xcb_connection_t* connection, xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = Atom(connection, "_NET_ACTIVE_WINDOW");
    message.data.data32[0] = kFromPager;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, RootOf(connection, window),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

}  // namespace zelvo::x11
