#pragma once

#include "platform/global_hot_key.h"
#include "platform/win32/windows_api.h"

namespace zelvo {

// The hot key through RegisterHotKey for the control window, whose message queue then
// receives WM_HOTKEY with the registration's identifier, and the global atom table.
class Win32GlobalHotKey final : public GlobalHotKey {
  public:
    // `window`: the control window; null ties registrations to the calling thread.
    explicit Win32GlobalHotKey(HWND window) : window_(window) {}

    std::uint16_t GlobalAddAtom(std::string_view name) override;
    void GlobalDeleteAtom(std::uint16_t atom) override;
    // A virtual-key code outside 1 to 254 is no key and is not registered.
    bool RegisterHotKey(std::int32_t id, int modifiers, int virtualKey) override;
    void UnregisterHotKey(std::int32_t id) override;
    bool ReachesEveryWindow() const override { return true; }
    bool AnswersLater() const override { return false; }

  private:
    HWND window_;
};

}  // namespace zelvo
