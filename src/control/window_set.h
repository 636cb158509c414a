#pragma once

#include "bar/form1.h"
#include "control/form2.h"
#include "platform/platform.h"

namespace zelvo {

// The windows of one Zelvo process, each existing once and knowing the others.
struct WindowSet {
    explicit WindowSet(Platform& platform) : bar(platform, dialog), dialog(platform, bar) {}

    form1 bar;
    Form2 dialog;
};

}  // namespace zelvo
