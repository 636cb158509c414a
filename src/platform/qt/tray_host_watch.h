#pragma once

#include <QAbstractNativeEventFilter>
#include <QDBusServiceWatcher>
#include <QObject>
#include <functional>
#include <memory>

#include "platform/x11/system_tray.h"

namespace zelvo {

// Notices tray hosts: a StatusNotifierWatcher with a host on the session bus (KDE's
// panel, XFCE's, GNOME's AppIndicator extension) or an X11 system tray. KDE's watcher
// alone is no tray: it runs in kded5 and says a host is registered, panel or none, so
// beside it a host counts only while it holds its name on the bus. Another watcher
// (GNOME's extension) is its own host. Hosts coming
// (a panel that starts late) and going (a panel that quits, the extension turned off
// while the screen is locked) are announced. The session bus is first asked when a
// host is: connecting to it waits on the bus, and the bar's first paint need not.
class TrayHostWatch final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
  public:
    explicit TrayHostWatch(std::function<void()> onHostsChanged);
    ~TrayHostWatch() override;
    TrayHostWatch(const TrayHostWatch&) = delete;
    TrayHostWatch& operator=(const TrayHostWatch&) = delete;

    bool StatusNotifierHostPresent();
    bool XEmbedTrayPresent() const;
    bool HostPresent() { return StatusNotifierHostPresent() || XEmbedTrayPresent(); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    Q_SLOT void Check();
    Q_SLOT void NameOwnerChanged(const QString& name);
    // Watches the session bus for a StatusNotifierWatcher and its hosts, once.
    void WatchBus();

    std::function<void()> onHostsChanged_;
    QDBusServiceWatcher watcher_;
    std::unique_ptr<x11::SystemTray> systemTray_;
};

}  // namespace zelvo
