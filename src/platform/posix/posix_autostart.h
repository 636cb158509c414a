#pragma once

#include <string>

#include "platform/autostart.h"
#include "platform/paths.h"

namespace zelvo {

// The Exec value that runs `program` with no arguments, quoted and escaped as a
// desktop entry needs it.
std::string DesktopExecValue(const std::string& program);

// The login start as a desktop entry in the user's autostart folder; the file's
// presence is the setting.
class PosixAutostart final : public Autostart {
  public:
    explicit PosixAutostart(const Paths& paths) : paths_(paths) {}

    bool IsEnabled() const override;
    bool Enable() override;
    bool Disable() override;

  private:
    const Paths& paths_;
};

}  // namespace zelvo
