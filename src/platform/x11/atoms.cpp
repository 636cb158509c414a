#include "platform/x11/atoms.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

namespace zelvo::x11 {
namespace {

std::mutex cacheMutex;

}  // namespace

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    static std::map<std::pair<xcb_connection_t*, std::string>, xcb_atom_t> known;
    const std::lock_guard lock(cacheMutex);
    const auto key = std::make_pair(connection, std::string(name));
    if (const auto found = known.find(key); found != known.end()) {
        return found->second;
    }
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    if (!reply) {
        return XCB_ATOM_NONE;
    }
    known.emplace(key, reply->atom);
    return reply->atom;
}

xcb_window_t RootOf(xcb_connection_t* connection, xcb_window_t window) {
    static std::map<std::pair<xcb_connection_t*, xcb_window_t>, xcb_window_t> known;
    const std::lock_guard lock(cacheMutex);
    const auto key = std::make_pair(connection, window);
    if (const auto found = known.find(key); found != known.end()) {
        return found->second;
    }
    const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr),
        &std::free);
    if (!geometry) {
        return XCB_WINDOW_NONE;
    }
    known.emplace(key, geometry->root);
    return geometry->root;
}

}  // namespace zelvo::x11
