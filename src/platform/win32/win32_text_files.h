#pragma once

#include "platform/text_files.h"

namespace zelvo {

// Text files in code page 932 on a Windows file system, byte for byte as the Linux
// program reads and writes them. Writing replaces the file atomically.
class Win32TextFiles final : public TextFiles {
  public:
    // Files larger than this are not read: no settings file comes near it.
    static constexpr long kMaxReadBytes = 64L * 1024 * 1024;

    std::optional<std::string> ReadText(const std::string& path) override;
    bool WriteText(const std::string& path, std::string_view text) override;
    std::string Unwritable(std::string_view text) const override;
};

}  // namespace zelvo
