#include "platform/search/result_copy.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QStringList>
#include <QVariantMap>

namespace zelvo {

void CopyResult(const SearchResult& result) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(result.value));
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    notify << QStringLiteral("Zelvo") << 0U << QStringLiteral("zelvo")
           << QString::fromStdString(CopiedTitle(result))
           << QString::fromStdString(CopiedLine(result)) << QStringList()
           << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("org.zelvo.Zelvo")},
                          {QStringLiteral("transient"), true}}
           << -1;
    QDBusConnection::sessionBus().send(notify);
}

}  // namespace zelvo
