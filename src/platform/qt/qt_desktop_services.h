#pragma once

#include "platform/desktop_services.h"

namespace zelvo {

// Documents open with the desktop's default application (xdg-open on X11); the
// desktop's MIME handlers are asked through xdg-mime.
class QtShell final : public Shell {
  public:
    bool OpenDocument(const std::string& path) override;
    bool HasHandlerFor(const std::string& mimeType) override;
};

class QtProcessLauncher final : public ProcessLauncher {
  public:
    bool StartDetached(const std::string& path) override;
};

}  // namespace zelvo
