#include "platform/qt/tray_host_watch.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <algorithm>

#include "platform/qt/x11_connection.h"

namespace zelvo {
namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString kKded = QStringLiteral("org.kde.kded5");
// The names hosts hold: "org.kde.StatusNotifierHost-" and a number of the host's own.
const QStringList kHostNamePrefixes = {QStringLiteral("org.kde.StatusNotifierHost-"),
                                       QStringLiteral("org.freedesktop.StatusNotifierHost-")};

bool IsHostName(const QString& name) {
    return std::any_of(kHostNamePrefixes.begin(), kHostNamePrefixes.end(),
                       [&name](const QString& prefix) { return name.startsWith(prefix); });
}

}  // namespace

TrayHostWatch::TrayHostWatch(std::function<void()> onHostsChanged)
    : onHostsChanged_(std::move(onHostsChanged)) {
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
    watcher_.setWatchMode(QDBusServiceWatcher::WatchForOwnerChange);
    // A name ending in "*" stands for its namespace: the hosts' names are in these.
    watcher_.setWatchedServices(
        {kWatcherService, QStringLiteral("org.kde*"), QStringLiteral("org.freedesktop*")});
    connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            &TrayHostWatch::NameOwnerChanged);
    bus.connect(kWatcherService, kWatcherPath, kWatcherService,
                QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(Check()));
}

void TrayHostWatch::NameOwnerChanged(const QString& name) {
    if (name == kWatcherService || IsHostName(name)) {
        Check();
    }
}

// The bus is watched before it is asked, so that a host coming in between is announced.
bool TrayHostWatch::StatusNotifierHostPresent() {
    WatchBus();
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kWatcherService)) {
        return false;
    }
    const QDBusReply<QStringList> reply = bus.interface()->registeredServiceNames();
    const QStringList names = reply.isValid() ? reply.value() : QStringList();
    if (std::any_of(names.begin(), names.end(), IsHostName)) {
        return true;
    }
    // A watcher that is a host itself (GNOME's AppIndicator extension) holds no host
    // name; KDE's, which lives in kded5, is no host.
    const QString watcherOwner = bus.interface()->serviceOwner(kWatcherService);
    return !watcherOwner.isEmpty() && watcherOwner != bus.interface()->serviceOwner(kKded).value();
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
    if (onHostsChanged_) {
        onHostsChanged_();
    }
}

}  // namespace zelvo
