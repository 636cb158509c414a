#pragma once

#include "platform/evaluator.h"
#include "platform/folders.h"
#include "platform/toolkit.h"
#include "platform/window_ops.h"

namespace zelvo {

// The desktop services handed to the window models at construction.
struct Platform {
    Evaluator& evaluator;
    Toolkit& toolkit;
    Folders& folders;
    WindowOps& windowOps;
};

}  // namespace zelvo
