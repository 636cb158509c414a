#pragma once

#include "platform/desktop_services.h"
#include "platform/win32/windows_api.h"

namespace zelvo {

// Documents open with the default action Windows associates with their kind. The
// MIME types the models ask about are looked up by their file name extensions: ".chm"
// for compiled help, ".html" for web pages; any other has no handler.
class Win32Shell final : public Shell {
  public:
    // `owner`: the window that owns any message the shell shows.
    explicit Win32Shell(HWND owner = nullptr) : owner_(owner) {}

    bool OpenDocument(const std::string& path) override;
    bool HasHandlerFor(const std::string& mimeType) override;

  private:
    HWND owner_;
};

}  // namespace zelvo
