#include "bar/form1.h"
#include "control/form2.h"

namespace zelvo {

void form1::text1_MenuKey(int /*index*/) {
    RunPulldown1(platform_.toolkit.PopupMenu(pulldown1));
}

void form1::RunPulldown1(const std::string& choice) {
    if (choice == "pulldown1_taskbar") {
        pulldown1_taskbar_Click();
    } else if (choice == "pulldown1_haba_saidaika") {
        pulldown1_haba_saidaika_Click();
    } else if (choice == "pulldown1_haba_touhaba") {
        pulldown1_haba_touhaba_Click();
    } else if (choice == "pulldown1_kankyosettei") {
        pulldown1_kankyosettei_Click();
    } else if (choice == "pulldown1_end") {
        pulldown1_end_Click();
    }
}

void form1::pulldown1_taskbar_Click() {
    Visible = false;
}

void form1::pulldown1_kankyosettei_Click() {
    dialog_.pulldown2.Visible = false;
    dialog_.ShowSettings();
}

void form1::pulldown1_end_Click() {
    dialog_.EndProgram();
}

}  // namespace zelvo
