#pragma once

#include <cstdint>
#include <string_view>

namespace zelvo {

// How a desktop that binds keys itself settled a registration: the key as asked,
// another key it keeps for Zelvo, no key at all, or a refusal.
enum class DesktopKeyAnswer { AsAsked, OtherKey, NoKey, Refused };

// A system-wide key combination for the control window, and the atom table that
// gives the hot key its identity. A registered key arrives at the control window
// as the hot-key message with its identifier.
class GlobalHotKey {
  public:
    virtual ~GlobalHotKey() = default;
    // A string atom (0xC000 and up) for the name; 0 when none can be had.
    virtual std::uint16_t GlobalAddAtom(std::string_view name) = 0;
    virtual void GlobalDeleteAtom(std::uint16_t atom) = 0;
    // `modifiers`: Alt 1, Ctrl 2, Shift 4; `virtualKey`: a virtual-key code. False
    // when the combination cannot be had (no key, or another program holds it).
    virtual bool RegisterHotKey(std::int32_t id, int modifiers, int virtualKey) = 0;
    virtual void UnregisterHotKey(std::int32_t id) = 0;
    // False where a registered key reaches Zelvo only while one of its own windows
    // has the focus (an X11 grab in a Wayland session).
    virtual bool ReachesEveryWindow() const = 0;
    // True where the desktop settles a registration later: RegisterHotKey then only
    // passes the request on, and the desktop's answer reaches the control window
    // (Form2::DesktopKeyAnswered).
    virtual bool AnswersLater() const = 0;
};

}  // namespace zelvo
