#include "session/desktop_session.h"

namespace zelvo {

bool DesktopShowsMinimisedWindows(std::string_view currentDesktop) {
    bool gnome = false;
    while (!currentDesktop.empty()) {
        const std::size_t colon = currentDesktop.find(':');
        const std::string_view name = currentDesktop.substr(0, colon);
        if (name == "GNOME-Classic" || name == "GNOME-Flashback" || name == "ubuntu") {
            return true;
        }
        gnome = gnome || name == "GNOME";
        currentDesktop.remove_prefix(colon == std::string_view::npos ? currentDesktop.size()
                                                                     : colon + 1);
    }
    return !gnome;
}

}  // namespace zelvo
