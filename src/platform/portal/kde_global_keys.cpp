#include "platform/portal/kde_global_keys.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QList>

namespace zelvo::KdeGlobalKeys {
namespace {

const QString kService = QStringLiteral("org.kde.kglobalaccel");

// The component's object: its name with every character but letters, digits and
// '_' made '_'.
QString ComponentPath(const QString& component) {
    QString path = QStringLiteral("/component/");
    for (const QChar c : component) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
        path += plain ? c : QLatin1Char('_');
    }
    return path;
}

// allShortcutInfos answers a((ssssss)aiai): names of the action, component and
// context, the active keys, the default keys.
std::optional<QKeySequence> KeysOf(const QDBusMessage& reply, const QString& action) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return std::nullopt;
    }
    const auto infos = reply.arguments().at(0).value<QDBusArgument>();
    std::optional<QKeySequence> found;
    infos.beginArray();
    while (!infos.atEnd()) {
        QString name;
        QString ignored;
        QList<int> keys;
        QList<int> defaultKeys;
        infos.beginStructure();
        infos >> name >> ignored >> ignored >> ignored >> ignored >> ignored >> keys >> defaultKeys;
        infos.endStructure();
        if (name != action) {
            continue;
        }
        found = QKeySequence();
        for (const int key : keys) {
            if (key != 0) {
                found = QKeySequence(QKeyCombination::fromCombined(key));
                break;
            }
        }
    }
    infos.endArray();
    return found;
}

}  // namespace

bool OnBus() {
    const QDBusConnectionInterface* names = QDBusConnection::sessionBus().interface();
    return names != nullptr && names->isServiceRegistered(kService).value();
}

void AskKeys(const QString& component, const QString& action, QObject* context,
             std::function<void(std::optional<QKeySequence>)> answered) {
    const QDBusMessage ask = QDBusMessage::createMethodCall(
        kService, ComponentPath(component), QStringLiteral("org.kde.kglobalaccel.Component"),
        QStringLiteral("allShortcutInfos"));
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(ask), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [action, answered = std::move(answered)](QDBusPendingCallWatcher* done) {
                         done->deleteLater();
                         answered(KeysOf(done->reply(), action));
                     });
}

}  // namespace zelvo::KdeGlobalKeys
