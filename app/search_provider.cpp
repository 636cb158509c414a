#include "app/search_provider.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QGuiApplication>
#include <QObject>
#include <QProcess>
#include <chrono>
#include <cstdio>
#include <cstdlib>

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

}  // namespace

int RunSearchProvider(int argc, char* argv[], const std::string& settingsFile) {
    // Started by the bus where no display is known, it still answers; only a copied
    // value then has no clipboard to go to.
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
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
