#include "platform/portal/portal_request.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace zelvo {
namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

}  // namespace

PortalRequest::PortalRequest(Answered answered) : answered_(std::move(answered)) {}

void PortalRequest::Call(const QString& interface, const QString& method, QVariantList arguments,
                         Answered answered) {
    static int tokens = 0;
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString token = QStringLiteral("zelvo%1").arg(++tokens);
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString handle =
        kPortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    auto* request = new PortalRequest(std::move(answered));
    bus.connect(kPortal, handle, kRequest, QStringLiteral("Response"), request,
                SLOT(Response(uint, QVariantMap)));
    auto options = arguments.last().toMap();
    options.insert(QStringLiteral("handle_token"), token);
    arguments.last() = options;
    QDBusMessage call = QDBusMessage::createMethodCall(kPortal, kPortalPath, interface, method);
    call.setArguments(arguments);
    // A call the portal refuses outright (an error reply) gets no Response.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), request);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, request,
                     [request](QDBusPendingCallWatcher* finished) {
                         finished->deleteLater();
                         if (finished->isError()) {
                             request->Response(2, {});
                         }
                     });
}

void PortalRequest::Response(uint response, const QVariantMap& results) {
    if (!answered_) {
        return;
    }
    const Answered answered = std::exchange(answered_, nullptr);
    deleteLater();
    answered(response, results);
}

}  // namespace zelvo
