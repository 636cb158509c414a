#include "platform/qt/qt_tray_icon.h"

#include <QIcon>
#include <algorithm>

namespace zelvo {
namespace {

int MessageNumber(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            return 513;
        case QSystemTrayIcon::DoubleClick:
            return 515;
        case QSystemTrayIcon::Context:
            return 516;
        case QSystemTrayIcon::MiddleClick:
            return 519;
        default:
            return 0;
    }
}

}  // namespace

QtTrayIcon::QtTrayIcon(std::function<void(int code)> onEvent) : onEvent_(std::move(onEvent)) {
    QIcon programIcon(QStringLiteral(":/builtin/zelvo.png"));
    programIcon.addFile(QStringLiteral(":/builtin/zelvo16.png"));
    icon_.setIcon(programIcon);
    // Queued: the tray's own window sends the signal from its mouse handler, and
    // the event may end with that window gone (the icon deleted at exit).
    connect(
        &icon_, &QSystemTrayIcon::activated, this,
        [this](QSystemTrayIcon::ActivationReason reason) {
            if (const int code = MessageNumber(reason); code != 0 && onEvent_) {
                onEvent_(code);
            }
        },
        Qt::QueuedConnection);
}

bool QtTrayIcon::Shell_NotifyIcon(int message, const NotifyIconData& data) {
    if (message == NIM_DELETE) {
        icon_.hide();
        return true;
    }
    const auto end = std::find(data.szTip.begin(), data.szTip.end(), '\0');
    icon_.setToolTip(QString::fromLocal8Bit(data.szTip.data(), end - data.szTip.begin()));
    icon_.show();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

}  // namespace zelvo
