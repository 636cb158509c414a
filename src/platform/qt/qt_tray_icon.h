#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/menu.h"
#include "platform/qt/deferred_until_painted.h"
#include "platform/qt/tray_host_watch.h"
#include "platform/tray_icon.h"

namespace zelvo {

// The tray icon through QSystemTrayIcon. Its mouse events are handed on as the
// message numbers of the notification area: left press 513, left double click 515,
// right press 516, middle press 519. A tray host that goes takes the icon with it: that
// is handed on as a left press (513), which shows the bar, so that a bar put away in the
// tray is not left out of reach.
//
// Qt settles on a StatusNotifierItem or an X11 tray icon once, when the first icon
// is made; so the icon is made only when a tray host is there, or when one appears
// later. Until then the program has no icon (InTray() is false).
//
// The first icon is made once the windows shown at start have been painted: making it
// asks the session bus and the X server several questions and has the tray host take
// it in, all while the window manager would be mapping the bar.
class QtTrayIcon final : public QObject, public TrayIcon {
    Q_OBJECT
  public:
    explicit QtTrayIcon(std::function<void(int code)> onEvent);

    bool Shell_NotifyIcon(int message, const NotifyIconData& data) override;

    // The tray menu for a StatusNotifierItem host, which shows the menu itself: each
    // entry chosen reaches `onChoice` by its name. An X11 tray leaves the menu to the
    // program's right-click handling.
    void SetMenu(const std::vector<MenuItem>& items,
                 std::function<void(const std::string&)> onChoice);

    // A tray host is there (the watch says so when one appears).
    void HostAppeared();
    // Whether the icon is in a tray that is there. A first icon still waiting for the
    // start's paint is made now, so that the answer holds.
    bool InTray();
    const QSystemTrayIcon* icon() const { return icon_.get(); }

  private:
    bool Shown() const { return icon_ != nullptr && icon_->isVisible(); }
    void ShowIfHostPresent();
    // The icon's kind of host: the one it was made for (Qt settles on one).
    bool ItsHostPresent();
    void HostsChanged();

    std::function<void(int)> onEvent_;
    bool statusNotifier_ = false;
    std::unique_ptr<QSystemTrayIcon> icon_;
    std::vector<MenuItem> menuItems_;
    std::function<void(const std::string&)> onChoice_;
    std::unique_ptr<QMenu> menu_;
    bool wanted_ = false;
    QString toolTip_;
    TrayHostWatch hosts_;
    DeferredUntilPainted firstShow_;
};

}  // namespace zelvo
