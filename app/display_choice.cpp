#include "app/display_choice.h"

#include <cstdlib>
#include <string_view>

namespace zelvo {
namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// QT_QPA_PLATFORM lists platforms to try, separated by ";": its first one counts.
bool AsksForWayland() {
    const char* value = std::getenv("QT_QPA_PLATFORM");
    const std::string_view platforms = value != nullptr ? value : "";
    return platforms.substr(0, platforms.find(';')).substr(0, 7) == "wayland";
}

}  // namespace

bool InWaylandSession() {
    return IsSet("WAYLAND_DISPLAY");
}

bool ChooseDisplay(std::string& problem, std::string& note) {
    const bool askedForWayland = AsksForWayland();
    if (IsSet("QT_QPA_PLATFORM") && !askedForWayland) {
        return true;
    }
    if (!IsSet("DISPLAY")) {
        problem = IsSet("WAYLAND_DISPLAY") || askedForWayland
                      ? "this Wayland session offers no X server (XWayland), and Zelvo's bar "
                        "needs one; DISPLAY is not set"
                      : "Zelvo needs an X display and DISPLAY is not set; without a desktop, run "
                        "it under a virtual one: xvfb-run -a scripts/run.sh";
        return false;
    }
    if (askedForWayland) {
        note =
            "QT_QPA_PLATFORM asks for Wayland, but Zelvo's bar can place itself and stay on "
            "top only as an X11 window: it runs through XWayland (xcb)";
    }
    if (IsSet("WAYLAND_DISPLAY") || askedForWayland) {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
    return true;
}

}  // namespace zelvo
