#pragma once

#include <string>

#include "session/settings_place.h"

namespace zelvo {

// The name the running Zelvo of one graphical session goes by in the user's runtime
// folder: "org.zelvo.Zelvo-" and the session's Wayland display ("wayland-0"), else its
// X display ("x11-0"; the screen number does not count), so that two sessions of one
// user each run a Zelvo of their own. Without a display, "org.zelvo.Zelvo".
std::string SessionInstanceName(const Environment& environment);

}  // namespace zelvo
