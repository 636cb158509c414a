#include "platform/x11/x11_hot_key.h"

#include <xcb/xcb_keysyms.h>

#include <X11/keysym.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>

#include "platform/x11/vk_keysyms.h"

namespace zelvo::x11 {
namespace {

constexpr int kModAlt = 1;
constexpr int kModControl = 2;
constexpr int kModShift = 4;

struct KeySymbolsDeleter {
    void operator()(xcb_key_symbols_t* symbols) const { xcb_key_symbols_free(symbols); }
};

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

std::uint16_t ModifierMask(int modifiers) {
    return static_cast<std::uint16_t>(((modifiers & kModShift) != 0 ? XCB_MOD_MASK_SHIFT : 0) |
                                      ((modifiers & kModControl) != 0 ? XCB_MOD_MASK_CONTROL : 0) |
                                      ((modifiers & kModAlt) != 0 ? XCB_MOD_MASK_1 : 0));
}

std::vector<xcb_keycode_t> KeycodesFor(xcb_key_symbols_t* symbols, std::uint32_t keysym) {
    std::vector<xcb_keycode_t> keycodes;
    const std::unique_ptr<xcb_keycode_t, decltype(&std::free)> found(
        xcb_key_symbols_get_keycode(symbols, keysym), &std::free);
    for (const xcb_keycode_t* code = found.get(); code != nullptr && *code != XCB_NO_SYMBOL;
         ++code) {
        keycodes.push_back(*code);
    }
    return keycodes;
}

// The modifier bit Num Lock sets, found in the server's modifier mapping.
std::uint16_t NumLockMask(const std::vector<xcb_keycode_t>& numLock,
                          const xcb_get_modifier_mapping_reply_t* mapping) {
    if (mapping == nullptr || numLock.empty()) {
        return XCB_MOD_MASK_2;
    }
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(mapping);
    const int perModifier = mapping->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            if (codes[modifier * perModifier + i] == numLock.front()) {
                return static_cast<std::uint16_t>(1U << modifier);
            }
        }
    }
    return XCB_MOD_MASK_2;
}

}  // namespace

X11HotKey::X11HotKey(xcb_connection_t* connection, bool reachesEveryWindow)
    : connection_(connection), reachesEveryWindow_(reachesEveryWindow) {
    if (connection_ != nullptr) {
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    }
}

X11HotKey::~X11HotKey() {
    for (const auto& [id, grab] : grabs_) {
        Ungrab(grab);
    }
    if (connection_ != nullptr) {
        xcb_flush(connection_);
    }
}

std::uint16_t X11HotKey::GlobalAddAtom(std::string_view name) {
    return atoms_.Add(name);
}

void X11HotKey::GlobalDeleteAtom(std::uint16_t atom) {
    atoms_.Delete(atom);
}

// The keyboard and modifier mappings are asked for together and every grab is sent before
// any is checked: two round trips to the server in all, whatever the number of key codes.
bool X11HotKey::RegisterHotKey(std::int32_t id, int modifiers, int virtualKey) {
    const std::uint32_t keysym = KeysymForVirtualKey(virtualKey);
    if (connection_ == nullptr || keysym == 0 || grabs_.count(id) != 0) {
        return false;
    }
    const xcb_get_modifier_mapping_cookie_t mappingCookie = xcb_get_modifier_mapping(connection_);
    const std::unique_ptr<xcb_key_symbols_t, KeySymbolsDeleter> symbols(
        xcb_key_symbols_alloc(connection_));
    Grab grab{symbols ? KeycodesFor(symbols.get(), keysym) : std::vector<xcb_keycode_t>{},
              ModifierMask(modifiers),
              {},
              modifiers,
              virtualKey};
    const ReplyPtr<xcb_get_modifier_mapping_reply_t> mapping(
        xcb_get_modifier_mapping_reply(connection_, mappingCookie, nullptr), &std::free);
    if (grab.keycodes.empty()) {
        return false;
    }
    const std::uint16_t numLock =
        NumLockMask(KeycodesFor(symbols.get(), XK_Num_Lock), mapping.get());
    // No lock, Caps Lock, Num Lock, and both.
    grab.locks = {0, XCB_MOD_MASK_LOCK, numLock,
                  static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | numLock)};
    std::vector<xcb_void_cookie_t> cookies;
    for (const xcb_keycode_t keycode : grab.keycodes) {
        for (const std::uint16_t lock : grab.locks) {
            cookies.push_back(xcb_grab_key_checked(
                connection_, 1, root_, static_cast<std::uint16_t>(grab.modifiers | lock), keycode,
                XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        }
    }
    bool refused = false;
    for (const xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
            std::free(error);
            refused = true;
        }
    }
    if (refused) {
        Ungrab(grab);
        xcb_flush(connection_);
        return false;
    }
    grabs_[id] = grab;
    return true;
}

void X11HotKey::UnregisterHotKey(std::int32_t id) {
    const auto found = grabs_.find(id);
    if (found == grabs_.end()) {
        return;
    }
    Ungrab(found->second);
    xcb_flush(connection_);
    grabs_.erase(found);
}

// Ungrabs every lock combination. Ungrabbing what another client holds does
// nothing to its grab.
void X11HotKey::Ungrab(const Grab& grab) const {
    for (const xcb_keycode_t keycode : grab.keycodes) {
        for (const std::uint16_t lock : grab.locks) {
            xcb_ungrab_key(connection_, keycode, root_,
                           static_cast<std::uint16_t>(grab.modifiers | lock));
        }
    }
}

std::optional<X11HotKey::Press> X11HotKey::Match(const xcb_key_press_event_t& event) const {
    constexpr std::uint16_t kRelevant = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;
    for (const auto& [id, grab] : grabs_) {
        const bool key = std::find(grab.keycodes.begin(), grab.keycodes.end(), event.detail) !=
                         grab.keycodes.end();
        if (key && (event.state & kRelevant) == grab.modifiers) {
            return Press{id, grab.registeredModifiers | (grab.virtualKey << 16)};
        }
    }
    return std::nullopt;
}

}  // namespace zelvo::x11
