#include "platform/qt/qt_desktop_services.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace zelvo {

bool QtShell::OpenDocument(const std::string& path) {
    const QString file = QString::fromStdString(path);
    return QFileInfo::exists(file) && QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

bool QtShell::HasHandlerFor(const std::string& mimeType) {
    constexpr int kAnswerMilliseconds = 3000;
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QString::fromStdString(mimeType)});
    if (!query.waitForFinished(kAnswerMilliseconds)) {
        query.kill();
        query.waitForFinished();
        return false;
    }
    return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
           !query.readAllStandardOutput().trimmed().isEmpty();
}

bool QtProcessLauncher::StartDetached(const std::string& path) {
    return QProcess::startDetached(QString::fromStdString(path), {});
}

}  // namespace zelvo
