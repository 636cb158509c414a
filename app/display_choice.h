#pragma once

#include <string>

namespace zelvo {

// Picks the Qt platform before the application exists. The bar is an X11 window:
// in a Wayland session it runs through XWayland (the xcb platform), unless the user
// chose a platform. False, with `problem` said, when there is no X server to use.
bool ChooseDisplay(std::string& problem);

// Whether the desktop session is a Wayland one (its windows run through XWayland).
bool InWaylandSession();

}  // namespace zelvo
