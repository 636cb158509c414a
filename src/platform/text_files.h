#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelvo {

// Text files in the system's code page (code page 932); text in memory is UTF-8.
class TextFiles {
  public:
    virtual ~TextFiles() = default;
    // The whole file, decoded; nullopt when it is missing or cannot be read.
    // Bytes that are no character of the code page read as U+FFFD.
    virtual std::optional<std::string> ReadText(const std::string& path) = 0;
    // Replaces the file with `text`, encoded; characters the code page lacks are
    // written as "?". The old file stays whole until the new one is complete;
    // false when it could not be written.
    virtual bool WriteText(const std::string& path, std::string_view text) = 0;
    // The characters of `text` the code page lacks, each once in the order they come,
    // which WriteText would write as "?"; empty when it has them all.
    virtual std::string Unwritable(std::string_view text) const = 0;
};

}  // namespace zelvo
