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

std::vector<xcb_keycode_t> X11HotKey::KeycodesFor(std::uint32_t keysym) const {
    std::vector<xcb_keycode_t> keycodes;
    const std::unique_ptr<xcb_key_symbols_t, KeySymbolsDeleter> symbols(
        xcb_key_symbols_alloc(connection_));
    if (!symbols) {
        return keycodes;
    }
    const std::unique_ptr<xcb_keycode_t, decltype(&std::free)> found(
        xcb_key_symbols_get_keycode(symbols.get(), keysym), &std::free);
    for (const xcb_keycode_t* code = found.get(); code != nullptr && *code != XCB_NO_SYMBOL;
         ++code) {
        keycodes.push_back(*code);
    }
    return keycodes;
}

// The modifier bit Num Lock sets, found in the server's modifier mapping.
std::uint16_t X11HotKey::NumLockMask() const {
    const auto numLock = KeycodesFor(XK_Num_Lock);
    const ReplyPtr<xcb_get_modifier_mapping_reply_t> mapping(
        xcb_get_modifier_mapping_reply(connection_, xcb_get_modifier_mapping(connection_), nullptr),
        &std::free);
    if (!mapping || numLock.empty()) {
        return XCB_MOD_MASK_2;
    }
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(mapping.get());
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

// No lock, Caps Lock, Num Lock, and both.
std::array<std::uint16_t, 4> X11HotKey::LockCombinations() const {
    const std::uint16_t numLock = NumLockMask();
    return {0, XCB_MOD_MASK_LOCK, numLock, static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | numLock)};
}

bool X11HotKey::RegisterHotKey(std::int32_t id, int modifiers, int virtualKey) {
    const std::uint32_t keysym = KeysymForVirtualKey(virtualKey);
    if (connection_ == nullptr || keysym == 0 || grabs_.count(id) != 0) {
        return false;
    }
    Grab grab{KeycodesFor(keysym), ModifierMask(modifiers), modifiers, virtualKey};
    if (grab.keycodes.empty()) {
        return false;
    }
    bool refused = false;
    for (const xcb_keycode_t keycode : grab.keycodes) {
        for (const std::uint16_t lock : LockCombinations()) {
            const auto cookie = xcb_grab_key_checked(
                connection_, 1, root_, static_cast<std::uint16_t>(grab.modifiers | lock), keycode,
                XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
            if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
                std::free(error);
                refused = true;
            }
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
        for (const std::uint16_t lock : LockCombinations()) {
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
