#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

#include "bar/skin_roles.h"
#include "control/window_set.h"
#include "platform/eval/expression_evaluator.h"
#include "platform/posix/posix_folders.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/qt/qt_window_ops.h"
#include "platform/qt/window_views.h"

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
    zelvo::Platform platform{evaluator, toolkit, folders, windowOps};
    zelvo::WindowSet windows(platform);
    zelvo::WindowViews views(windows, toolkit, windowOps);

    zelvo::Form2& dialog = windows.dialog;
    zelvo::form1& bar = windows.bar;
    bar.Form_Load();
    dialog.Combo1.Clear();
    dialog.ListSkinFolders(folders.ProgramFolder() + "/skin");
    dialog.Combo1.SelectFirst(std::string(zelvo::kDefaultSkin));
    dialog.Command1_Click();
    dialog.Command2_Click();
    dialog.FormatDecimalsSample();

    const float screenHeight =
        static_cast<float>(QGuiApplication::primaryScreen()->size().height()) *
        toolkit.TwipsPerPixelY();
    bar.Top = screenHeight / 2 - bar.Height / 2;
    bar.Visible = true;
    views.Render();
    return QApplication::exec();
}
