#pragma once

#include <string_view>

namespace zelvo {

// Whether the desktop named by XDG_CURRENT_DESKTOP (a ":"-separated list) keeps
// minimised windows in reach, in a task bar, window list or dock. GNOME as it comes
// has none: a minimised window is then lost from view. GNOME Classic (its window
// list) and Ubuntu's GNOME (its dock) have one, as has every other desktop.
bool DesktopShowsMinimisedWindows(std::string_view currentDesktop);

}  // namespace zelvo
