#include "platform/x11/startup_id.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/x11/atoms.h"

namespace zelvo::x11 {

void SetStartupId(xcb_connection_t* connection, xcb_window_t window, std::string_view id) {
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window,
                        Atom(connection, "_NET_STARTUP_ID"), Atom(connection, "UTF8_STRING"), 8,
                        static_cast<std::uint32_t>(id.size()), id.data());
    xcb_flush(connection);
}

namespace {

// The startup-notification message that ends `id`: its value quoted, with quotes and
// backslashes escaped, and the closing NUL.
std::string RemoveMessage(std::string_view id) {
    std::string message = "remove: ID=\"";
    for (const char c : id) {
        if (c == '"' || c == '\\') {
            message += '\\';
        }
        message += c;
    }
    message += '"';
    message += '\0';
    return message;
}

}  // namespace

// The message goes to the root window in pieces of 20 bytes: the first as
// _NET_STARTUP_INFO_BEGIN, the rest as _NET_STARTUP_INFO.
void CompleteStartup(xcb_connection_t* connection, xcb_window_t window, std::string_view id) {
    const std::string message = RemoveMessage(id);
    constexpr std::size_t kPiece = 20;
    for (std::size_t offset = 0; offset < message.size(); offset += kPiece) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = window;
        event.type =
            Atom(connection, offset == 0 ? "_NET_STARTUP_INFO_BEGIN" : "_NET_STARTUP_INFO");
        const std::size_t length = std::min(kPiece, message.size() - offset);
        std::memcpy(event.data.data8, message.data() + offset, length);
        xcb_send_event(connection, 0, RootOf(connection, window), XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
    }
    xcb_flush(connection);
}

}  // namespace zelvo::x11
