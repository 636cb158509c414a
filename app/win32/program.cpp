#include "app/win32/program.h"

#include "control/hotkey2.h"
#include "platform/safe_call.h"
#include "session/instance_request.h"

namespace zelvo::win32 {

Program::Program(HINSTANCE instance)
    : control_(instance, Events()),
      trayIcon_(LoadTrayIcon(instance)),
      toolkit_(instance),
      hotKey_(control_.hwnd()),
      tray_(control_.hwnd(), ControlWindow::kTrayMessage, trayIcon_),
      paths_(RunningExecutable()),
      autostart_(paths_),
      platform_{evaluator_, toolkit_, folders_,         windowOps_, textFiles_, hotKey_,
                tray_,      shell_,   processLauncher_, registry_,  paths_,     autostart_},
      windows_(platform_),
      views_(instance, windows_, toolkit_, windowOps_) {}

Program::~Program() {
    if (trayIcon_ != nullptr) {
        ::DestroyIcon(trayIcon_);
    }
}

void Program::Handle(const std::function<void()>& handler) {
    SafeCall(handler);
    views_.Render();
}

ControlWindow::Events Program::Events() {
    ControlWindow::Events events;
    events.hotKey = [this](std::int32_t id, std::int32_t lParam) {
        Handle([&] { windows_.dialog.ReceiveMessage(hotkey2::WM_HOTKEY, id, lParam); });
    };
    // The model reads the tray's event as a mouse position: the message number in
    // pixels, given in twips.
    events.tray = [this](LPARAM event) {
        const int code = Win32TrayIcon::EventCode(event);
        if (code == 0) {
            return;
        }
        Handle([&] {
            windows_.dialog.Form_MouseMove(0, 0,
                                           static_cast<float>(code) * toolkit_.TwipsPerPixelX(), 0);
        });
    };
    events.trayRestarted = [this] { tray_.Readd(); };
    events.request = [this](const InstanceRequest& request) {
        Handle([&] { CarryOut(request, windows_.dialog); });
    };
    events.sessionEnding = [this] { Handle([&] { windows_.dialog.EndProgram(); }); };
    return events;
}

int Program::Run(const Command& command) {
    Handle([&] { windows_.Start(); });
    if (ShowsBarAtStart(command.kind)) {
        Handle([&] { windows_.dialog.pulldown2_bar_out_Click(); });
    }
    if (command.kind == CommandKind::Enter) {
        Handle([&] { CarryOut(RequestOf(command), windows_.dialog); });
    }
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (views_.PreTranslate(message)) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace zelvo::win32
