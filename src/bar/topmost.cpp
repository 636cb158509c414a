#include "bar/form1.h"
#include "bar/skin_roles.h"
#include "control/form2.h"

namespace zelvo {

void ToggleTopmost(form1& bar, Form2& dialog) {
    int& pending = bar.topmostMode.PendingTopmost;
    if (pending != 0 && pending != 1) {
        return;
    }
    const bool topmost = pending == 1;
    bar.platform().windowOps.SetBarKeepAbove(topmost);
    bar.Visible = true;
    pending = topmost ? 0 : 1;
    dialog.SetCheck2(topmost ? 1 : 0);
    bar.ShowPicture(bar.topimg,
                    bar.ImageList1.Slot(topmost ? kSlotTitleTopmost : kSlotTitleNormal));
}

void Form2::Check2_Click() {
    if (Check2.Value == 0 || Check2.Value == 1) {
        bar_.topmostMode.PendingTopmost = Check2.Value;
    }
    ToggleTopmost(bar_, *this);
}

void Form2::SetCheck2(int value) {
    if (Check2.Value != value) {
        Check2.Value = value;
        Check2_Click();
    }
}

}  // namespace zelvo
