#include "bar/form1.h"
#include "control/form2.h"
#include "controls/whole_twips.h"

namespace zelvo {

PixelPoint form1::ScreenPointOf(float x, float y) const {
    const Toolkit& toolkit = platform_.toolkit;
    const PixelPoint client{WholeTwips(x / toolkit.TwipsPerPixelX()),
                            WholeTwips(y / toolkit.TwipsPerPixelY())};
    return platform_.windowOps.BarClientToScreen(client);
}

void form1::topimg_MouseDown(int button, int /*shift*/, float x, float y) {
    if (button == kLeftButton) {
        LastDragPoint = ScreenPointOf(x, y);
    } else if (button == kRightButton) {
        RunPulldown1(platform_.toolkit.PopupMenu(pulldown1));
    }
}

// The bar follows the pointer in whole screen pixels and may leave the screen.
void form1::topimg_MouseMove(int buttons, int /*shift*/, float x, float y) {
    if (buttons != kLeftButton) {
        return;
    }
    const PixelPoint pointer = ScreenPointOf(x, y);
    Top =
        platform_.toolkit.TwipsPerPixelY() * static_cast<float>(pointer.y - LastDragPoint.y) + Top;
    Left =
        platform_.toolkit.TwipsPerPixelX() * static_cast<float>(pointer.x - LastDragPoint.x) + Left;
    LastDragPoint = pointer;
}

void form1::topimg_DblClick() {
    ToggleTopmost(*this, dialog_);
}

}  // namespace zelvo
