#include "platform/x11/system_tray.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace zelvo::x11 {
namespace {

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

}  // namespace

SystemTray::SystemTray(xcb_connection_t* connection) : connection_(connection) {
    int screenNumber = 0;
    char* host = nullptr;
    int display = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screenNumber) == 0) {
        screenNumber = 0;
    }
    std::free(host);
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber && screens.rem > 1; ++i) {
        xcb_screen_next(&screens);
    }
    if (screens.rem > 0) {
        root_ = screens.data->root;
    }
    const std::string selection = "_NET_SYSTEM_TRAY_S" + std::to_string(screenNumber);
    selectionCookie_ = xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(selection.size()),
                                       selection.c_str());
    constexpr std::string_view kManager = "MANAGER";
    managerCookie_ = xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(kManager.size()),
                                     kManager.data());
}

SystemTray::~SystemTray() {
    if (!atomsRead_) {
        xcb_discard_reply(connection_, selectionCookie_.sequence);
        xcb_discard_reply(connection_, managerCookie_.sequence);
    }
}

void SystemTray::ReadAtoms() const {
    if (atomsRead_) {
        return;
    }
    atomsRead_ = true;
    const Owned<xcb_intern_atom_reply_t> selection(
        xcb_intern_atom_reply(connection_, selectionCookie_, nullptr), &std::free);
    const Owned<xcb_intern_atom_reply_t> manager(
        xcb_intern_atom_reply(connection_, managerCookie_, nullptr), &std::free);
    selection_ = selection ? selection->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    manager_ = manager ? manager->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

bool SystemTray::Present() const {
    ReadAtoms();
    const Owned<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection_, xcb_get_selection_owner(connection_, selection_),
                                      nullptr),
        &std::free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}

// The root's event mask is kept per client: this adds to the one Qt chose.
void SystemTray::WatchManagers() const {
    const Owned<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, root_),
                                        nullptr),
        &std::free);
    if (!attributes) {
        return;
    }
    const std::uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
}

bool SystemTray::IsManagerAnnouncement(const xcb_generic_event_t* event) const {
    if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE) {
        return false;
    }
    ReadAtoms();
    const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
    return message->window == root_ && message->type == manager_ && message->format == 32 &&
           message->data.data32[1] == selection_;
}

}  // namespace zelvo::x11
