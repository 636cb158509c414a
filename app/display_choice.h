#pragma once

#include <string>

namespace zelvo {

// Picks the Qt platform before the application exists. The bar is an X11 window: it
// moves itself and keeps itself above others only there, so in a Wayland session it
// runs through XWayland (the xcb platform), also when the user asked Qt for Wayland,
// which `note` then says why. Another platform the user chose is kept. False, with
// `problem` said, when there is no X server to use.
bool ChooseDisplay(std::string& problem, std::string& note);

// Whether the desktop session is a Wayland one (its windows run through XWayland).
bool InWaylandSession();

}  // namespace zelvo
