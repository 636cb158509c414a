#pragma once

#include <QObject>
#include <QSystemTrayIcon>
#include <functional>

#include "platform/tray_icon.h"

namespace zelvo {

// The tray icon through QSystemTrayIcon. Its mouse events are handed on as the
// message numbers of the notification area: left press 513, left double click 515,
// right press 516, middle press 519.
class QtTrayIcon final : public QObject, public TrayIcon {
    Q_OBJECT
  public:
    explicit QtTrayIcon(std::function<void(int code)> onEvent);

    bool Shell_NotifyIcon(int message, const NotifyIconData& data) override;

    const QSystemTrayIcon& icon() const { return icon_; }

  private:
    QSystemTrayIcon icon_;
    std::function<void(int)> onEvent_;
};

}  // namespace zelvo
