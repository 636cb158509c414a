#include "platform/portal/portal_hot_key.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QKeySequence>
#include <utility>

#include "platform/portal/kde_global_keys.h"
#include "platform/portal/portal_request.h"
#include "platform/portal/portal_shortcut.h"
#include "platform/portal/shortcut_trigger.h"

namespace zelvo {
namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kShortcutId = QStringLiteral("toggle");
// The session's token, which Plasma also takes as the name Zelvo's keys are kept
// under: the same at every start, so that a key the user sets there stays Zelvo's.
const QString kSessionToken = QStringLiteral("zelvo");

void CloseSessionAt(const QString& session) {
    QDBusConnection::sessionBus().asyncCall(QDBusMessage::createMethodCall(
        kPortal, session, QStringLiteral("org.freedesktop.portal.Session"),
        QStringLiteral("Close")));
}

QList<PortalShortcut> ShortcutsOf(const QVariantMap& results) {
    QList<PortalShortcut> shortcuts;
    const QVariant value = results.value(QStringLiteral("shortcuts"));
    if (value.canConvert<QDBusArgument>()) {
        value.value<QDBusArgument>() >> shortcuts;
    }
    return shortcuts;
}

// The trigger the portal describes for the shortcut, when it holds it.
std::optional<QString> HeldTrigger(const QVariantMap& results) {
    for (const PortalShortcut& shortcut : ShortcutsOf(results)) {
        if (shortcut.id == kShortcutId) {
            return shortcut.properties.value(QStringLiteral("trigger_description")).toString();
        }
    }
    return std::nullopt;
}

}  // namespace

PortalHotKey::PortalHotKey(Deliver deliver, Answer answer)
    : deliver_(std::move(deliver)), answer_(std::move(answer)) {
    RegisterPortalShortcutTypes();
    QDBusConnection::sessionBus().connect(kPortal, kPortalPath, kShortcuts,
                                          QStringLiteral("Activated"), this,
                                          SLOT(Activated(QDBusMessage)));
}

PortalHotKey::~PortalHotKey() {
    CloseSession();
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

std::uint16_t PortalHotKey::GlobalAddAtom(std::string_view name) {
    return atoms_.Add(name);
}

void PortalHotKey::GlobalDeleteAtom(std::uint16_t atom) {
    atoms_.Delete(atom);
}

bool PortalHotKey::RegisterHotKey(std::int32_t id, int modifiers, int virtualKey) {
    if (ShortcutTrigger(modifiers, virtualKey).empty()) {
        return false;
    }
    CloseSession();
    binding_ = Binding{id, modifiers, virtualKey};
    CreateSession();
    return true;
}

void PortalHotKey::UnregisterHotKey(std::int32_t id) {
    if (binding_ && binding_->id == id) {
        binding_.reset();
        CloseSession();
    }
}

void PortalHotKey::CloseSession() {
    ++generation_;
    if (!session_.isEmpty()) {
        CloseSessionAt(std::exchange(session_, QString()));
    }
}

PortalShortcut PortalHotKey::Shortcut() const {
    return PortalShortcut{
        kShortcutId,
        {{QStringLiteral("description"), QStringLiteral("barを表示/隠す")},
         {QStringLiteral("preferred_trigger"),
          QString::fromStdString(ShortcutTrigger(binding_->modifiers, binding_->virtualKey))}}};
}

void PortalHotKey::CreateSession() {
    const QVariantMap options{
        {QStringLiteral("session_handle_token"), kSessionToken},
        {QStringLiteral("shortcuts"), QVariant::fromValue(QList<PortalShortcut>{Shortcut()})}};
    const int generation = generation_;
    PortalRequest::Call(kShortcuts, QStringLiteral("CreateSession"), {options},
                        [this, generation](uint response, const QVariantMap& results) {
                            SessionCreated(generation, response, results);
                        });
}

void PortalHotKey::SessionCreated(int generation, uint response, const QVariantMap& results) {
    const QString session = results.value(QStringLiteral("session_handle")).toString();
    if (generation != generation_) {
        if (response == 0 && !session.isEmpty()) {
            CloseSessionAt(session);
        }
        return;
    }
    if (response != 0 || session.isEmpty() || !binding_) {
        Answered(DesktopKeyAnswer::Refused, {});
        return;
    }
    session_ = session;
    if (const auto trigger = HeldTrigger(results)) {
        Settle(generation, *trigger);
        return;
    }
    PortalRequest::Call(
        kShortcuts, QStringLiteral("BindShortcuts"),
        {QVariant::fromValue(QDBusObjectPath(session_)),
         QVariant::fromValue(QList<PortalShortcut>{Shortcut()}), QString(), QVariantMap()},
        [this, generation](uint answer, const QVariantMap& bound) {
            Bound(generation, answer, bound);
        });
}

void PortalHotKey::Bound(int generation, uint response, const QVariantMap& results) {
    if (generation != generation_) {
        return;
    }
    if (response != 0) {
        Answered(DesktopKeyAnswer::Refused, {});
        return;
    }
    const auto trigger = HeldTrigger(results);
    if (!trigger) {
        Answered(DesktopKeyAnswer::NoKey, {});
        return;
    }
    Settle(generation, *trigger);
}

void PortalHotKey::Settle(int generation, const QString& description) {
    const QKeySequence asked = QKeySequence::fromString(
        QString::fromStdString(QtKeyText(binding_->modifiers, binding_->virtualKey)),
        QKeySequence::PortableText);
    const auto judge = [this, asked](const QKeySequence& held, const QString& name) {
        if (held.isEmpty()) {
            Answered(DesktopKeyAnswer::NoKey, {});
        } else if (held[0] == asked[0]) {
            Answered(DesktopKeyAnswer::AsAsked, {});
        } else {
            Answered(DesktopKeyAnswer::OtherKey, name);
        }
    };
    if (!KdeGlobalKeys::OnBus()) {
        QKeySequence described = QKeySequence::fromString(description, QKeySequence::NativeText);
        if (described.isEmpty()) {
            described = QKeySequence::fromString(description, QKeySequence::PortableText);
        }
        if (description.isEmpty() || described.isEmpty()) {
            Answered(DesktopKeyAnswer::AsAsked, {});
        } else {
            judge(described, description);
        }
        return;
    }
    KdeGlobalKeys::AskKeys(kSessionToken, kShortcutId, this,
                           [this, generation, judge](std::optional<QKeySequence> held) {
                               if (generation != generation_) {
                                   return;
                               }
                               if (!held) {
                                   Answered(DesktopKeyAnswer::AsAsked, {});
                                   return;
                               }
                               judge(*held, held->toString(QKeySequence::NativeText));
                           });
}

void PortalHotKey::Answered(DesktopKeyAnswer answer, const QString& boundKey) {
    if (answer_) {
        answer_(answer, boundKey.toStdString());
    }
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
