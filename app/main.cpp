#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "control/hotkey2.h"
#include "control/window_set.h"
#include "platform/eval/expression_evaluator.h"
#include "platform/posix/posix_folders.h"
#include "platform/posix/posix_text_files.h"
#include "platform/qt/hot_key_events.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/qt/qt_window_ops.h"
#include "platform/qt/safe_call.h"
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

    zelvo::ExpressionEvaluator evaluator;
    zelvo::QtToolkit toolkit;
    zelvo::PosixFolders folders;
    zelvo::QtWindowOps windowOps;
    zelvo::PosixTextFiles textFiles;
    zelvo::x11::X11HotKey hotKey(zelvo::X11Connection());
    zelvo::Platform platform{evaluator, toolkit, folders, windowOps, textFiles, hotKey};
    zelvo::WindowSet windows(platform);
    zelvo::WindowViews views(windows, toolkit, windowOps);

    zelvo::HotKeyEvents hotKeyEvents(hotKey, [&](std::int32_t id, std::int32_t lParam) {
        zelvo::SafeCall(
            [&] { windows.dialog.ReceiveMessage(zelvo::hotkey2::WM_HOTKEY, id, lParam); });
        views.Render();
    });
    app.installNativeEventFilter(&hotKeyEvents);

    zelvo::SafeCall([&] { windows.Start(); });
    views.Render();
    return QApplication::exec();
}
