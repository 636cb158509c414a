#pragma once

#include "platform/evaluator.h"
#include "platform/folders.h"
#include "platform/toolkit.h"

namespace zelvo {

// The desktop services handed to the window models at construction.
struct Platform {
    Evaluator& evaluator;
    Toolkit& toolkit;
    Folders& folders;
};

}  // namespace zelvo
