#pragma once

#include <functional>

#include "app/win32/control_window.h"
#include "control/window_set.h"
#include "platform/eval/expression_evaluator.h"
#include "platform/win32/win32_autostart.h"
#include "platform/win32/win32_folders.h"
#include "platform/win32/win32_hot_key.h"
#include "platform/win32/win32_paths.h"
#include "platform/win32/win32_process_launcher.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_text_files.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_tray_icon.h"
#include "platform/win32/win32_window_ops.h"
#include "session/command_line.h"
#include "ui/win32/window_views.h"

namespace zelvo::win32 {

// The running Zelvo: the Win32 platform wired to the window models and their windows.
// Everything from outside the windows (the hot key, the tray, later starts, the end of
// the session) reaches the models through the control window, and the windows follow.
class Program {
  public:
    explicit Program(HINSTANCE instance);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts as `command` asks and runs until the program ends; the exit status.
    int Run(const Command& command);

  private:
    void Handle(const std::function<void()>& handler);
    ControlWindow::Events Events();

    ControlWindow control_;
    HICON trayIcon_;
    ExpressionEvaluator evaluator_;
    Win32Toolkit toolkit_;
    Win32Folders folders_;
    Win32WindowOps windowOps_;
    Win32TextFiles textFiles_;
    Win32GlobalHotKey hotKey_;
    Win32TrayIcon tray_;
    Win32Shell shell_;
    Win32ProcessLauncher processLauncher_;
    Win32Registry registry_;
    Win32Paths paths_;
    Win32Autostart autostart_;
    Platform platform_;
    WindowSet windows_;
    WindowViews views_;
};

}  // namespace zelvo::win32
