#include "control/form2.h"
#include "conversion/notices.h"

namespace zelvo {

void Form2::ShowSettings() {
    Check3.Value = platform_.autostart.IsEnabled() ? 1 : 0;
    Visible = true;
}

// The check box ends showing what is really there, also when the change failed.
void Form2::Check3_Click() {
    Autostart& autostart = platform_.autostart;
    const bool changed = Check3.Value == 1 ? autostart.Enable() : autostart.Disable();
    if (!changed) {
        platform_.toolkit.MessageBox(notice::kAutostartNotChanged, MessageIcon::None);
    }
    Check3.Value = autostart.IsEnabled() ? 1 : 0;
}

}  // namespace zelvo
