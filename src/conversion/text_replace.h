#pragma once

#include <string>
#include <string_view>

namespace zelvo {

// Replaces every occurrence of `from` (non-empty), scanning left to right; inserted
// text is not scanned again.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Upper-cases the ASCII letters a to z and leaves every other byte as it is.
std::string AsciiUpper(std::string_view text);

}  // namespace zelvo
