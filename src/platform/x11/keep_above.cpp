#include "platform/x11/keep_above.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/x11/atoms.h"

namespace zelvo::x11 {
namespace {

constexpr std::uint32_t kRemove = 0;
constexpr std::uint32_t kAdd = 1;
constexpr std::uint32_t kFromApplication = 1;

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

bool IsViewable(xcb_connection_t* connection, xcb_window_t window) {
    const ReplyPtr<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window),
                                        nullptr),
        &std::free);
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

void AskWindowManager(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t state,
                      xcb_atom_t aboveAtom, bool above) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = state;
    message.data.data32[0] = above ? kAdd : kRemove;
    message.data.data32[1] = aboveAtom;
    message.data.data32[3] = kFromApplication;
    xcb_send_event(connection, 0, RootOf(connection, window),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
}

void EditOwnProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t state,
                     xcb_atom_t aboveAtom, bool above) {
    constexpr std::uint32_t kMaxAtoms = 1024;
    const ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0, kMaxAtoms),
            nullptr),
        &std::free);
    std::vector<xcb_atom_t> atoms;
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        atoms.assign(values, values + xcb_get_property_value_length(reply.get()) / 4);
    }
    std::erase(atoms, aboveAtom);
    if (above) {
        atoms.push_back(aboveAtom);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(atoms.size()), atoms.data());
}

}  // namespace

void SetKeepAbove(xcb_connection_t* connection, xcb_window_t window, bool above) {
    const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
    const xcb_atom_t aboveAtom = Atom(connection, "_NET_WM_STATE_ABOVE");
    if (state == XCB_ATOM_NONE || aboveAtom == XCB_ATOM_NONE) {
        return;
    }
    if (IsViewable(connection, window)) {
        AskWindowManager(connection, window, state, aboveAtom, above);
    } else {
        EditOwnProperty(connection, window, state, aboveAtom, above);
    }
    xcb_flush(connection);
}

}  // namespace zelvo::x11
