#pragma once

#include "platform/autostart.h"
#include "platform/paths.h"

namespace zelvo {

// Where Windows looks for the programs it starts at a user's login.
inline constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kRunValueName[] = L"Zelvo";

// The login start as the value "Zelvo" of the user's Run key, holding the quoted path
// of the program; the value's presence is the setting.
class Win32Autostart final : public Autostart {
  public:
    explicit Win32Autostart(const Paths& paths) : paths_(paths) {}

    bool IsEnabled() const override;
    bool Enable() override;
    bool Disable() override;

  private:
    const Paths& paths_;
};

}  // namespace zelvo
