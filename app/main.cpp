#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/display_choice.h"
#include "app/instance_client.h"
#include "app/instance_server.h"
#include "app/search_provider.h"
#include "session/command_line.h"
#include "session/convert_command.h"
#include "session/desktop_session.h"
#include "session/session_instance.h"

#include "control/hotkey2.h"
#include "control/window_set.h"
#include "conversion/notices.h"
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
#include "platform/qt/termination_signals.h"
#include "platform/qt/x11_connection.h"
#include "platform/safe_call.h"
#include "platform/x11/x11_hot_key.h"
#include "ui/qt/window_views.h"

int main(int argc, char* argv[]) {
    const zelvo::Command command =
        zelvo::ParseCommandLine(std::vector<std::string>(argv, argv + argc));
    if (const auto answer = zelvo::AnswerCommandLine(command)) {
        std::fputs(answer->text.c_str(), answer->error ? stderr : stdout);
        return answer->status;
    }
    // A conversion needs neither a display nor the running Zelvo, only the settings.
    if (command.kind == zelvo::CommandKind::Convert) {
        zelvo::PosixTextFiles files;
        const zelvo::PosixPaths paths(zelvo::RunningExecutable());
        const zelvo::CommandLineAnswer answer =
            zelvo::AnswerConvert(command, files, paths.SettingsFile());
        std::fputs(answer.text.c_str(), answer.error ? stderr : stdout);
        return answer.status;
    }
    // The desktops' searches: started by the session bus, never the bar.
    if (command.kind == zelvo::CommandKind::SearchProvider) {
        const zelvo::PosixPaths paths(zelvo::RunningExecutable());
        return zelvo::RunSearchProvider(argc, argv, paths.SettingsFile());
    }

    // One Zelvo per session: a later start hands its request to the running one.
    std::string problem;
    const std::optional<std::string> instanceFolder = zelvo::InstanceFolder(problem);
    if (!instanceFolder) {
        std::fprintf(stderr, "zelvo: %s\n", problem.c_str());
        return 1;
    }
    const std::string instancePlace =
        *instanceFolder + "/" + zelvo::SessionInstanceName(zelvo::ProcessEnvironment);
    zelvo::InstanceLock instanceLock;
    switch (zelvo::ClaimInstance(instancePlace, zelvo::RequestOf(command), instanceLock)) {
        case zelvo::Claim::HandedOver:
            return 0;
        case zelvo::Claim::NoAnswer:
            std::fputs(zelvo::kNoAnswerText.data(), stderr);
            return 1;
        case zelvo::Claim::Running:
            break;
    }
    if (command.kind == zelvo::CommandKind::Quit) {
        std::fputs(zelvo::kNoneRunningText.data(), stderr);
        return 0;
    }
    std::string displayNote;
    if (!zelvo::ChooseDisplay(problem, displayNote)) {
        std::fprintf(stderr, "zelvo: %s\n", problem.c_str());
        return 1;
    }
    if (!displayNote.empty()) {
        std::fprintf(stderr, "zelvo: %s\n", displayNote.c_str());
    }
    QApplication app(argc, argv);
    // The class of the bar's WM_CLASS, and the desktop entry its windows belong to:
    // the entry's StartupWMClass names the same class, so that launchers, task
    // managers and docks group the windows with the entry.
    QApplication::setApplicationName(QStringLiteral("Zelvo"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zelvo.Zelvo"));
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
    std::function<void(DesktopKeyAnswer, const std::string&)> keyAnswered;
    x11::X11HotKey x11HotKey(X11Connection(), !InWaylandSession());
    std::unique_ptr<PortalHotKey> portalHotKey;
    if (InWaylandSession() && PortalHotKey::Available()) {
        portalHotKey = std::make_unique<PortalHotKey>(
            pressed, [&keyAnswered](DesktopKeyAnswer answer, const std::string& boundKey) {
                keyAnswered(answer, boundKey);
            });
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

    // Everything from outside the windows reaches the models here, and the views follow.
    const auto handle = [&views](const std::function<void()>& handler) {
        views.bar().AdoptShownState();
        SafeCall(handler);
        views.Render();
    };
    // Without a tray a bar put away is minimised into the task bar; on a desktop with
    // neither it stays shown, and the user who puts it away is told why and how to
    // call it, once (starting in the tray is no such request).
    const bool minimisedKept =
        DesktopShowsMinimisedWindows(ProcessEnvironment("XDG_CURRENT_DESKTOP").value_or(""));
    bool starting = true;
    bool toldKeptShown = false;
    std::function<void()> keptShown;
    if (!minimisedKept) {
        keptShown = [&] {
            if (starting || std::exchange(toldKeptShown, true)) {
                return;
            }
            QTimer::singleShot(0, [&] {
                handle([&] {
                    toolkit.MessageBox(notice::kBarKeptShownWithoutTray, MessageIcon::None);
                });
            });
        };
    }
    views.SetTrayPresence([&trayIcon] { return trayIcon.InTray(); }, keptShown);
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
    keyAnswered = [&](DesktopKeyAnswer answer, const std::string& boundKey) {
        handle([&] { windows.dialog.DesktopKeyAnswered(answer, boundKey); });
    };
    HotKeyEvents hotKeyEvents(x11HotKey, pressed);
    app.installNativeEventFilter(&hotKeyEvents);
    // A session ending or a termination signal ends the program as 終了 does.
    const auto endProgram = [&] { handle([&] { windows.dialog.EndProgram(); }); };
    TerminationSignals terminationSignals(endProgram);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, endProgram);

    InstanceServer instanceServer([&](const InstanceRequest& request) {
        handle([&] { CarryOut(request, windows.dialog); });
    });
    if (!instanceServer.Listen(InstanceSocketPath(instancePlace))) {
        std::fputs(
            "zelvo: cannot listen on the instance socket; later starts cannot reach this "
            "Zelvo\n",
            stderr);
    }

    handle([&] { windows.Start(); });
    starting = false;
    if (ShowsBarAtStart(command.kind)) {
        handle([&] { windows.dialog.pulldown2_bar_out_Click(); });
    }
    if (command.kind == CommandKind::Enter) {
        handle([&] { CarryOut(RequestOf(command), windows.dialog); });
    }
    return QApplication::exec();
}
