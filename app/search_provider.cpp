#include "app/search_provider.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QGuiApplication>
#include <QObject>
#include <QProcess>
#include <chrono>
#include <cstdio>

#include "platform/posix/posix_text_files.h"
#include "platform/search/gnome_search_provider.h"
#include "platform/search/krunner_runner.h"
#include "platform/search/length_search.h"
#include "platform/search/result_copy.h"
#include "settings/stored_conversion_choice.h"

namespace zelvo {
namespace {

constexpr std::chrono::seconds kIdleTime{60};

void OpenBar(const std::string& term) {
    QProcess::startDetached(QCoreApplication::applicationFilePath(),
                            {QStringLiteral("--enter"), QString::fromStdString(term)});
}

// The Qt platform, chosen before the application exists: where there is an X server
// (XWayland in a Wayland session too) the X11 one, whose clipboard a process without
// a window may set and Wayland desktops pass on; a Wayland client may set it only
// from a window with the focus. Without a display the provider still answers, only a
// copied value has no clipboard to go to. A platform the user chose other than
// Wayland is kept.
void ChoosePlatform() {
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    if (!chosen.isEmpty() && !chosen.startsWith("wayland")) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
}

}  // namespace

int RunSearchProvider(int argc, char* argv[], const std::string& settingsFile) {
    ChoosePlatform();
    const QGuiApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zelvo.Zelvo"));

    PosixTextFiles files;
    LengthSearch search(
        {[&files, &settingsFile] { return StoredConversionChoice(files, settingsFile); },
         CopyResult, OpenBar},
        kIdleTime);
    QObject exported;
    new GnomeSearchProvider(&exported, search);
    new KRunnerRunner(&exported, search);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QString::fromLatin1(kSearchObjectPath), &exported,
                            QDBusConnection::ExportAdaptors) ||
        !bus.registerService(QString::fromLatin1(kSearchBusName))) {
        std::fprintf(stderr, "zelvo: the search provider cannot take %s on the session bus\n",
                     kSearchBusName);
        return 1;
    }
    // A value copied here lives as long as this process holds the clipboard.
    QObject::connect(&search, &LengthSearch::Idle, &search, [&search] {
        if (QGuiApplication::clipboard()->ownsClipboard()) {
            search.KeepAlive();
        } else {
            QCoreApplication::quit();
        }
    });
    return QCoreApplication::exec();
}

}  // namespace zelvo
