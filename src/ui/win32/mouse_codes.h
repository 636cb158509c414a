#pragma once

#include "platform/win32/windows_api.h"

namespace zelvo::win32 {

// The codes the mouse handlers of the models take. Buttons: 1 left, 2 right, 4 middle.

// The button a press, release or double-click message is about; 0 for other messages.
int ButtonOf(UINT message);
// The buttons held, added up, from the MK_ flags a mouse message carries.
int ButtonsHeld(WPARAM keys);
// The shift state: 1 Shift, 2 Ctrl, 4 Alt, added up. Mouse messages carry no Alt flag.
int ShiftState(WPARAM keys, bool altHeld);

// The MK_ flags of the shift keys held now, for a mouse event no message carries.
WPARAM ShiftKeysHeld();

// A mouse message's point, in the client area of its window.
POINT MessagePoint(LPARAM lParam);

}  // namespace zelvo::win32
