#pragma once

#include "platform/desktop_services.h"

namespace zelvo {

// Starts a program file as a process of its own, in a normal window that takes the
// focus; Zelvo keeps no hold on it.
class Win32ProcessLauncher final : public ProcessLauncher {
  public:
    bool StartDetached(const std::string& path) override;
};

}  // namespace zelvo
