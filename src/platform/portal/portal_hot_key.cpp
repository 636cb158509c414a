#include "platform/portal/portal_hot_key.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <cstdio>

#include "platform/portal/shortcut_trigger.h"

namespace zelvo {
namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kShortcutId = QStringLiteral("toggle");

// One shortcut as BindShortcuts takes it: (id, {description, preferred_trigger}).
struct Shortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const Shortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, Shortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

}  // namespace
}  // namespace zelvo

Q_DECLARE_METATYPE(zelvo::Shortcut)

namespace zelvo {

PortalHotKey::PortalHotKey(Deliver deliver) : deliver_(std::move(deliver)) {
    qDBusRegisterMetaType<Shortcut>();
    qDBusRegisterMetaType<QList<Shortcut>>();
    QDBusConnection::sessionBus().connect(kPortal, kPortalPath, kShortcuts,
                                          QStringLiteral("Activated"), this,
                                          SLOT(Activated(QDBusMessage)));
    Request(QStringLiteral("CreateSession"),
            {QVariantMap{{QStringLiteral("session_handle_token"), QStringLiteral("zelvo")}}},
            SLOT(SessionCreated(uint, QVariantMap)));
}

bool PortalHotKey::Available() {
    QDBusMessage get = QDBusMessage::createMethodCall(
        kPortal, kPortalPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << kShortcuts << QStringLiteral("version");
    constexpr int kAnswerMilliseconds = 2000;
    const QDBusMessage answer =
        QDBusConnection::sessionBus().call(get, QDBus::Block, kAnswerMilliseconds);
    return answer.type() == QDBusMessage::ReplyMessage;
}

// The answer's request object is known beforehand (the bus name and the token), so
// the Response is listened for before the call can send it.
void PortalHotKey::Request(const QString& method, QVariantList arguments, const char* slot) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString token = QStringLiteral("zelvo%1").arg(++tokens_);
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString handle =
        kPortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    if (slot != nullptr) {
        bus.connect(kPortal, handle, kRequest, QStringLiteral("Response"), this, slot);
    }
    auto options = arguments.last().toMap();
    options.insert(QStringLiteral("handle_token"), token);
    arguments.last() = options;
    QDBusMessage call = QDBusMessage::createMethodCall(kPortal, kPortalPath, kShortcuts, method);
    call.setArguments(arguments);
    bus.asyncCall(call);
}

void PortalHotKey::SessionCreated(uint response, const QVariantMap& results) {
    if (response != 0) {
        std::fputs("zelvo: the desktop portal refused a shortcut session\n", stderr);
        return;
    }
    session_ = results.value(QStringLiteral("session_handle")).toString();
    Bind();
}

std::uint16_t PortalHotKey::GlobalAddAtom(std::string_view name) {
    return atoms_.Add(name);
}

void PortalHotKey::GlobalDeleteAtom(std::uint16_t atom) {
    atoms_.Delete(atom);
}

bool PortalHotKey::RegisterHotKey(std::int32_t id, int modifiers, int virtualKey) {
    const std::string trigger = ShortcutTrigger(modifiers, virtualKey);
    if (trigger.empty()) {
        return false;
    }
    binding_ = Binding{id, modifiers, virtualKey, trigger};
    Bind();
    return true;
}

void PortalHotKey::UnregisterHotKey(std::int32_t id) {
    if (binding_ && binding_->id == id) {
        binding_.reset();
    }
}

// Binding waits for the session; the desktop keeps the trigger the user settles on.
void PortalHotKey::Bind() {
    if (session_.isEmpty() || !binding_) {
        return;
    }
    const Shortcut shortcut{
        kShortcutId,
        {{QStringLiteral("description"), QStringLiteral("Zelvo: show or hide the bar")},
         {QStringLiteral("preferred_trigger"), QString::fromStdString(binding_->trigger)}}};
    Request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(session_)),
             QVariant::fromValue(QList<Shortcut>{shortcut}), QString(), QVariantMap()},
            nullptr);
}

// Activated(o session, s shortcut, t timestamp, a{sv} options).
void PortalHotKey::Activated(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 2 || !binding_) {
        return;
    }
    const QString session = arguments.at(0).value<QDBusObjectPath>().path();
    if (session != session_ || arguments.at(1).toString() != kShortcutId) {
        return;
    }
    const std::int32_t lParam = (binding_->virtualKey << 16) | binding_->modifiers;
    deliver_(binding_->id, lParam);
}

}  // namespace zelvo
