#include "app/display_choice.h"

#include <cstdlib>

namespace zelvo {
namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

bool InWaylandSession() {
    return IsSet("WAYLAND_DISPLAY");
}

bool ChooseDisplay(std::string& problem) {
    if (IsSet("QT_QPA_PLATFORM")) {
        return true;
    }
    if (!IsSet("DISPLAY")) {
        problem = IsSet("WAYLAND_DISPLAY")
                      ? "this Wayland session offers no X server (XWayland), and Zelvo's bar "
                        "needs one; DISPLAY is not set"
                      : "Zelvo needs an X display and DISPLAY is not set; without a desktop, run "
                        "it under a virtual one: xvfb-run -a scripts/run.sh";
        return false;
    }
    if (IsSet("WAYLAND_DISPLAY")) {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
    return true;
}

}  // namespace zelvo
