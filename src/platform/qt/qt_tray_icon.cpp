#include "platform/qt/qt_tray_icon.h"

#include <algorithm>

#include "platform/qt/menu_items.h"
#include "platform/qt/program_icon.h"

namespace zelvo {
namespace {

constexpr int kLeftPress = 513;

int MessageNumber(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            return kLeftPress;
        case QSystemTrayIcon::DoubleClick:
            return 515;
        case QSystemTrayIcon::Context:
            return 516;
        case QSystemTrayIcon::MiddleClick:
            return 519;
        default:
            return 0;
    }
}

}  // namespace

QtTrayIcon::QtTrayIcon(std::function<void(int code)> onEvent)
    : onEvent_(std::move(onEvent)),
      hosts_([this] { HostsChanged(); }),
      firstShow_([this] { ShowIfHostPresent(); }) {}

bool QtTrayIcon::Shell_NotifyIcon(int message, const NotifyIconData& data) {
    if (message == NIM_DELETE) {
        wanted_ = false;
        firstShow_.Cancel();
        if (icon_) {
            icon_->hide();
        }
        return true;
    }
    const auto end = std::find(data.szTip.begin(), data.szTip.end(), '\0');
    toolTip_ = QString::fromLocal8Bit(data.szTip.data(), end - data.szTip.begin());
    wanted_ = true;
    if (!icon_) {
        firstShow_.Schedule();
        return false;
    }
    ShowIfHostPresent();
    return Shown();
}

bool QtTrayIcon::InTray() {
    firstShow_.RunNow();
    return Shown() && ItsHostPresent();
}

bool QtTrayIcon::ItsHostPresent() {
    return statusNotifier_ ? hosts_.StatusNotifierHostPresent() : hosts_.XEmbedTrayPresent();
}

// A host came or went. An icon whose host went is taken down, to come back with the
// next host.
void QtTrayIcon::HostsChanged() {
    if (Shown() && !ItsHostPresent()) {
        icon_->hide();
        if (onEvent_) {
            onEvent_(kLeftPress);
        }
    }
    ShowIfHostPresent();
}

void QtTrayIcon::ShowIfHostPresent() {
    if (icon_ ? ItsHostPresent() : hosts_.HostPresent()) {
        HostAppeared();
    }
}

void QtTrayIcon::SetMenu(const std::vector<MenuItem>& items,
                         std::function<void(const std::string&)> onChoice) {
    menuItems_ = items;
    onChoice_ = std::move(onChoice);
}

void QtTrayIcon::HostAppeared() {
    firstShow_.Cancel();
    if (!wanted_ || Shown()) {
        return;
    }
    if (!icon_) {
        statusNotifier_ = hosts_.StatusNotifierHostPresent();
        icon_ = std::make_unique<QSystemTrayIcon>();
        // A StatusNotifier host draws the theme's icon by name; the theme costs about
        // a megabyte of memory, which an X11 tray, drawing the pictures given, is spared.
        icon_->setIcon(statusNotifier_ ? ThemedProgramIcon() : ProgramIcon());
        // Queued: the tray's own window sends the signal from its mouse handler, and
        // the event may end with that window gone (the icon deleted at exit).
        connect(
            icon_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (const int code = MessageNumber(reason); code != 0 && onEvent_) {
                    onEvent_(code);
                }
            },
            Qt::QueuedConnection);
        if (statusNotifier_ && !menuItems_.empty()) {
            menu_ = std::make_unique<QMenu>();
            AddMenuItems(*menu_, menuItems_);
            connect(menu_.get(), &QMenu::triggered, this, [this](QAction* action) {
                const std::string name = action->data().toString().toStdString();
                QMetaObject::invokeMethod(
                    this, [this, name] { onChoice_(name); }, Qt::QueuedConnection);
            });
            icon_->setContextMenu(menu_.get());
        }
    }
    // The program adds its icon with an empty tip: the tip then names the program.
    icon_->setToolTip(toolTip_.isEmpty() ? QStringLiteral("Zelvo") : toolTip_);
    icon_->show();
}

}  // namespace zelvo
