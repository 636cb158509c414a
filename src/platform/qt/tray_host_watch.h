#pragma once

#include <QAbstractNativeEventFilter>
#include <QDBusServiceWatcher>
#include <QObject>
#include <functional>
#include <memory>

#include "platform/x11/system_tray.h"

namespace zelvo {

// Notices tray hosts: a StatusNotifierWatcher with a host registered on the session
// bus (KDE, XFCE, GNOME with its AppIndicator extension) or an X11 system tray. A
// host that comes after the start (a panel that starts late) is announced once. The
// session bus is first asked when a host is: connecting to it waits on the bus, and
// the bar's first paint need not.
class TrayHostWatch final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
  public:
    explicit TrayHostWatch(std::function<void()> onHostAppeared);
    ~TrayHostWatch() override;
    TrayHostWatch(const TrayHostWatch&) = delete;
    TrayHostWatch& operator=(const TrayHostWatch&) = delete;

    bool StatusNotifierHostPresent();
    bool XEmbedTrayPresent() const;
    bool HostPresent() { return StatusNotifierHostPresent() || XEmbedTrayPresent(); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    Q_SLOT void Check();
    // Watches the session bus for a StatusNotifierWatcher and its hosts, once.
    void WatchBus();

    std::function<void()> onHostAppeared_;
    QDBusServiceWatcher watcher_;
    std::unique_ptr<x11::SystemTray> systemTray_;
};

}  // namespace zelvo
