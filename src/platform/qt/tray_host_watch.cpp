#include "platform/qt/tray_host_watch.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>

#include "platform/qt/x11_connection.h"

namespace zelvo {
namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");

}  // namespace

TrayHostWatch::TrayHostWatch(std::function<void()> onHostAppeared)
    : onHostAppeared_(std::move(onHostAppeared)) {
    if (xcb_connection_t* connection = X11Connection()) {
        systemTray_ = std::make_unique<x11::SystemTray>(connection);
        systemTray_->WatchManagers();
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

TrayHostWatch::~TrayHostWatch() {
    if (systemTray_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

void TrayHostWatch::WatchBus() {
    if (!watcher_.watchedServices().isEmpty()) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    watcher_.setConnection(bus);
    watcher_.setWatchMode(QDBusServiceWatcher::WatchForRegistration);
    watcher_.addWatchedService(kWatcherService);
    connect(&watcher_, &QDBusServiceWatcher::serviceRegistered, this, &TrayHostWatch::Check);
    bus.connect(kWatcherService, kWatcherPath, kWatcherService,
                QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(Check()));
}

// The bus is watched before it is asked, so that a host coming in between is announced.
bool TrayHostWatch::StatusNotifierHostPresent() {
    WatchBus();
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kWatcherService)) {
        return false;
    }
    QDBusMessage get = QDBusMessage::createMethodCall(
        kWatcherService, kWatcherPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusMessage answer = bus.call(get);
    return answer.type() == QDBusMessage::ReplyMessage && !answer.arguments().isEmpty() &&
           answer.arguments().constFirst().value<QDBusVariant>().variant().toBool();
}

bool TrayHostWatch::XEmbedTrayPresent() const {
    return systemTray_ && systemTray_->Present();
}

bool TrayHostWatch::nativeEventFilter(const QByteArray& eventType, void* message,
                                      qintptr* /*result*/) {
    if (eventType == "xcb_generic_event_t" &&
        systemTray_->IsManagerAnnouncement(static_cast<xcb_generic_event_t*>(message))) {
        QMetaObject::invokeMethod(this, &TrayHostWatch::Check, Qt::QueuedConnection);
    }
    return false;
}

void TrayHostWatch::Check() {
    if (onHostAppeared_ && HostPresent()) {
        onHostAppeared_();
    }
}

}  // namespace zelvo
