#pragma once

#include "platform/autostart.h"
#include "platform/desktop_services.h"
#include "platform/evaluator.h"
#include "platform/folders.h"
#include "platform/global_hot_key.h"
#include "platform/paths.h"
#include "platform/text_files.h"
#include "platform/toolkit.h"
#include "platform/tray_icon.h"
#include "platform/window_ops.h"

namespace zelvo {

// The desktop services handed to the window models at construction.
struct Platform {
    Evaluator& evaluator;
    Toolkit& toolkit;
    Folders& folders;
    WindowOps& windowOps;
    TextFiles& textFiles;
    GlobalHotKey& globalHotKey;
    TrayIcon& trayIcon;
    Shell& shell;
    ProcessLauncher& processLauncher;
    Registry& registry;
    Paths& paths;
    Autostart& autostart;
};

}  // namespace zelvo
