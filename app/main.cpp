#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

#include "control/hotkey2.h"
#include "control/window_set.h"
#include "platform/eval/expression_evaluator.h"
#include "platform/posix/posix_autostart.h"
#include "platform/posix/posix_folders.h"
#include "platform/posix/posix_paths.h"
#include "platform/posix/posix_registry.h"
#include "platform/posix/posix_text_files.h"
#include "platform/qt/hot_key_events.h"
#include "platform/qt/qt_desktop_services.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/qt/qt_tray_icon.h"
#include "platform/qt/qt_window_ops.h"
#include "platform/qt/safe_call.h"
#include "platform/qt/termination_signals.h"
#include "platform/qt/window_views.h"
#include "platform/qt/x11_connection.h"
#include "platform/x11/x11_hot_key.h"

namespace {

bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    return (platform != nullptr && *platform != '\0') || (display != nullptr && *display != '\0');
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fputs(
            "Zelvo needs an X display and DISPLAY is not set; without a desktop, run it under "
            "a virtual one: xvfb-run -a scripts/run.sh\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/builtin/zelvo.png")));
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace zelvo;
    ExpressionEvaluator evaluator;
    QtToolkit toolkit;
    PosixFolders folders;
    QtWindowOps windowOps;
    PosixTextFiles textFiles;
    x11::X11HotKey hotKey(X11Connection());
    std::function<void(int)> trayEvent;
    QtTrayIcon trayIcon([&trayEvent](int code) { trayEvent(code); });
    QtShell shell;
    QtProcessLauncher processLauncher;
    PosixRegistry registry;
    PosixPaths paths(RunningExecutable());
    PosixAutostart autostart(paths);
    Platform platform{evaluator, toolkit, folders,         windowOps, textFiles, hotKey,
                      trayIcon,  shell,   processLauncher, registry,  paths,     autostart};
    WindowSet windows(platform);
    WindowViews views(windows, toolkit, windowOps);

    // Everything from outside the windows reaches the models here, and the views follow.
    const auto handle = [&views](const std::function<void()>& handler) {
        SafeCall(handler);
        views.Render();
    };
    trayEvent = [&](int code) {
        handle([&] {
            windows.dialog.Form_MouseMove(0, 0, static_cast<float>(code) * toolkit.TwipsPerPixelX(),
                                          0);
        });
    };
    HotKeyEvents hotKeyEvents(hotKey, [&](std::int32_t id, std::int32_t lParam) {
        handle([&] { windows.dialog.ReceiveMessage(hotkey2::WM_HOTKEY, id, lParam); });
    });
    app.installNativeEventFilter(&hotKeyEvents);
    // A session ending or a termination signal ends the program as 終了 does.
    const auto endProgram = [&] { handle([&] { windows.dialog.EndProgram(); }); };
    TerminationSignals terminationSignals(endProgram);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, endProgram);

    handle([&] { windows.Start(); });
    return QApplication::exec();
}
