#pragma once

#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "platform/atom_table.h"
#include "platform/global_hot_key.h"

namespace zelvo::x11 {

// The hot key on X11: a passive grab of the key on the root window, in every
// combination of Num Lock and Caps Lock, so that the locks do not matter. A grab
// another client holds is refused by the server and reported as a failed
// registration. Without a connection (no X display) registrations fail.
class X11HotKey final : public GlobalHotKey {
  public:
    // `reachesEveryWindow`: false under XWayland, whose grabs see only X11 windows.
    explicit X11HotKey(xcb_connection_t* connection, bool reachesEveryWindow = true);
    ~X11HotKey() override;
    X11HotKey(const X11HotKey&) = delete;
    X11HotKey& operator=(const X11HotKey&) = delete;

    std::uint16_t GlobalAddAtom(std::string_view name) override;
    void GlobalDeleteAtom(std::uint16_t atom) override;
    bool RegisterHotKey(std::int32_t id, int modifiers, int virtualKey) override;
    void UnregisterHotKey(std::int32_t id) override;
    bool ReachesEveryWindow() const override { return reachesEveryWindow_; }
    bool AnswersLater() const override { return false; }

    struct Press {
        std::int32_t id;
        std::int32_t lParam;  // modifiers in the low word, the virtual key in the high word
    };
    // The registration a key press event belongs to, if any.
    std::optional<Press> Match(const xcb_key_press_event_t& event) const;

  private:
    // A registered key: its key codes and modifiers, grabbed in each combination of the
    // locks as they were mapped then.
    struct Grab {
        std::vector<xcb_keycode_t> keycodes;
        std::uint16_t modifiers = 0;
        std::array<std::uint16_t, 4> locks{};
        int registeredModifiers = 0;
        int virtualKey = 0;
    };

    void Ungrab(const Grab& grab) const;

    xcb_connection_t* connection_;
    bool reachesEveryWindow_;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    AtomTable atoms_;
    std::map<std::int32_t, Grab> grabs_;
};

}  // namespace zelvo::x11
