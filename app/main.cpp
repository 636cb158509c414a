#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/command_line.h"
#include "app/display_choice.h"
#include "app/instance_client.h"
#include "app/instance_server.h"

#include "control/hotkey2.h"
#include "control/window_set.h"
#include "platform/eval/expression_evaluator.h"
#include "platform/portal/portal_hot_key.h"
#include "platform/posix/posix_autostart.h"
#include "platform/posix/posix_folders.h"
#include "platform/posix/posix_paths.h"
#include "platform/posix/posix_registry.h"
#include "platform/posix/posix_text_files.h"
#include "platform/qt/hot_key_events.h"
#include "platform/qt/program_icon.h"
#include "platform/qt/qt_desktop_services.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/qt/qt_tray_icon.h"
#include "platform/qt/qt_window_ops.h"
#include "platform/qt/safe_call.h"
#include "platform/qt/termination_signals.h"
#include "ui/qt/window_views.h"
#include "platform/qt/x11_connection.h"
#include "platform/x11/x11_hot_key.h"

namespace {

using zelvo::CommandKind;
using zelvo::InstanceRequest;

InstanceRequest RequestOf(CommandKind kind) {
    switch (kind) {
        case CommandKind::Toggle:
            return InstanceRequest::Toggle;
        case CommandKind::Quit:
            return InstanceRequest::Quit;
        default:
            return InstanceRequest::Show;
    }
}

// Answers the command line itself where it can; the exit status then, or -1 when the
// program goes on.
int AnswerCommandLine(const zelvo::Command& command) {
    switch (command.kind) {
        case CommandKind::Help:
            std::fputs(zelvo::UsageText().c_str(), stdout);
            return 0;
        case CommandKind::Version:
            std::fputs(zelvo::VersionText().c_str(), stdout);
            return 0;
        case CommandKind::Wrong:
            std::fprintf(stderr, "zelvo: %s\n%s", command.problem.c_str(),
                         zelvo::UsageText().c_str());
            return 2;
        default:
            return -1;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const zelvo::Command command = zelvo::ParseCommandLine(arguments);
    if (const int status = AnswerCommandLine(command); status >= 0) {
        return status;
    }

    // One Zelvo per session: a later start hands its request to the running one.
    std::string problem;
    const std::optional<std::string> instanceFolder = zelvo::InstanceFolder(problem);
    if (!instanceFolder) {
        std::fprintf(stderr, "zelvo: %s\n", problem.c_str());
        return 1;
    }
    zelvo::InstanceLock instanceLock;
    switch (zelvo::ClaimInstance(*instanceFolder, RequestOf(command.kind), instanceLock)) {
        case zelvo::Claim::HandedOver:
            return 0;
        case zelvo::Claim::NoAnswer:
            std::fputs("zelvo: the running Zelvo does not answer\n", stderr);
            return 1;
        case zelvo::Claim::Running:
            break;
    }
    if (command.kind == CommandKind::Quit) {
        std::fputs("zelvo: no Zelvo is running\n", stderr);
        return 0;
    }
    if (!zelvo::ChooseDisplay(problem)) {
        std::fprintf(stderr, "zelvo: %s\n", problem.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvo"));
    QApplication::setWindowIcon(zelvo::ProgramIcon());
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace zelvo;
    ExpressionEvaluator evaluator;
    QtToolkit toolkit;
    PosixFolders folders;
    QtWindowOps windowOps;
    PosixTextFiles textFiles;
    // In a Wayland session an X11 grab sees only X11 windows: the desktop portal's
    // shortcuts reach everywhere where it has them.
    std::function<void(std::int32_t, std::int32_t)> hotKeyPressed;
    const auto pressed = [&hotKeyPressed](std::int32_t id, std::int32_t lParam) {
        hotKeyPressed(id, lParam);
    };
    x11::X11HotKey x11HotKey(X11Connection(), !InWaylandSession());
    std::unique_ptr<PortalHotKey> portalHotKey;
    if (InWaylandSession() && PortalHotKey::Available()) {
        portalHotKey = std::make_unique<PortalHotKey>(pressed);
    }
    GlobalHotKey& hotKey = portalHotKey ? static_cast<GlobalHotKey&>(*portalHotKey) : x11HotKey;
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
    views.SetTrayPresence([&trayIcon] { return trayIcon.InTray(); });

    // Everything from outside the windows reaches the models here, and the views follow.
    const auto handle = [&views](const std::function<void()>& handler) {
        views.bar().AdoptShownState();
        SafeCall(handler);
        views.Render();
    };
    trayIcon.SetMenu(windows.dialog.pulldown2.items, [&](const std::string& choice) {
        handle([&] { windows.dialog.RunPulldown2(choice); });
    });
    trayEvent = [&](int code) {
        handle([&] {
            windows.dialog.Form_MouseMove(0, 0, static_cast<float>(code) * toolkit.TwipsPerPixelX(),
                                          0);
        });
    };
    hotKeyPressed = [&](std::int32_t id, std::int32_t lParam) {
        handle([&] { windows.dialog.ReceiveMessage(hotkey2::WM_HOTKEY, id, lParam); });
    };
    HotKeyEvents hotKeyEvents(x11HotKey, pressed);
    app.installNativeEventFilter(&hotKeyEvents);
    // A session ending or a termination signal ends the program as 終了 does.
    const auto endProgram = [&] { handle([&] { windows.dialog.EndProgram(); }); };
    TerminationSignals terminationSignals(endProgram);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, endProgram);

    InstanceServer instanceServer([&](InstanceRequest request) {
        switch (request) {
            case InstanceRequest::Show:
                handle([&] { windows.dialog.pulldown2_bar_out_Click(); });
                break;
            case InstanceRequest::Toggle:
                handle([&] { windows.dialog.SendHotKeyMessage(); });
                break;
            case InstanceRequest::Quit:
                endProgram();
                break;
        }
    });
    if (!instanceServer.Listen(InstanceSocketPath(*instanceFolder))) {
        std::fputs(
            "zelvo: cannot listen on the instance socket; later starts cannot reach this "
            "Zelvo\n",
            stderr);
    }

    handle([&] { windows.Start(); });
    if (command.kind == CommandKind::Show || command.kind == CommandKind::Toggle) {
        handle([&] { windows.dialog.pulldown2_bar_out_Click(); });
    }
    return QApplication::exec();
}
