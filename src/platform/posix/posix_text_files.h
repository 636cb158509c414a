#pragma once

#include "platform/text_files.h"

namespace zelvo {

// Text files in code page 932 on a POSIX file system. Writing goes to a temporary
// file in the same folder, which is flushed to disk and then renamed over the
// target, so that a crash or a full disk never leaves a half-written file.
class PosixTextFiles final : public TextFiles {
  public:
    // Files larger than this are not read: no settings file comes near it.
    static constexpr long kMaxReadBytes = 64L * 1024 * 1024;

    std::optional<std::string> ReadText(const std::string& path) override;
    bool WriteText(const std::string& path, std::string_view text) override;
    std::string Unwritable(std::string_view text) const override;
};

}  // namespace zelvo
