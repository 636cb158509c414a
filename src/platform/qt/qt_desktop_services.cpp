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

bool QtProcessLauncher::StartDetached(const std::string& path) {
    return QProcess::startDetached(QString::fromStdString(path), {});
}

}  // namespace zelvo
