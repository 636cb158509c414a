#pragma once

#include "about/frm_about.h"
#include "bar/form1.h"
#include "control/form2.h"
#include "platform/platform.h"

namespace zelvo {

// The windows of one Zelvo process, each existing once and knowing the others.
struct WindowSet {
    explicit WindowSet(Platform& platform)
        : bar(platform, dialog), dialog(platform, bar, about), about(platform) {}

    // Program start: creating the bar runs the control window's start-up first; the
    // bar is then shown, unless the start-up put it in the tray.
    void Start() {
        bar.Form_Load();
        if (dialog.Check1.Value != 1) {
            bar.Visible = true;
        }
    }

    form1 bar;
    Form2 dialog;
    frmAbout about;
};

}  // namespace zelvo
