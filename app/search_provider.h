#pragma once

#include <string>

namespace zelvo {

// Where the desktops' searches find the length search on the session bus.
inline constexpr const char* kSearchBusName = "org.zelvo.Zelvo.SearchProvider";
inline constexpr const char* kSearchObjectPath = "/org/zelvo/Zelvo/SearchProvider";

// zelvo --search-provider: answers GNOME Shell's search and KRunner on the session bus
// with the settings in `settingsFile` (only read), and ends after a minute without a
// question once it no longer holds a copied value on the clipboard. The exit status.
int RunSearchProvider(int argc, char* argv[], const std::string& settingsFile);

}  // namespace zelvo
