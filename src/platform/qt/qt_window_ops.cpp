#include "platform/qt/qt_window_ops.h"

#include <QGuiApplication>
#include <utility>

#include "platform/qt/x11_connection.h"
#include "platform/x11/active_window.h"
#include "platform/x11/keep_above.h"
#include "platform/x11/startup_id.h"

namespace zelvo {

void QtWindowOps::SetBarKeepAbove(bool above) {
    keepAbove_ = above;
    Apply();
}

// By now the bar has its place, so its window may be made.
void QtWindowOps::BeforeBarShown() {
    if (keepAbove_ && bar_ != nullptr) {
        bar_->winId();
        Apply();
    }
    const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
    xcb_connection_t* connection = X11Connection();
    if (token.isEmpty() || bar_ == nullptr || connection == nullptr) {
        return;
    }
    qunsetenv("XDG_ACTIVATION_TOKEN");
    startupId_ = token.toStdString();
    x11::SetStartupId(connection, static_cast<xcb_window_t>(bar_->winId()), startupId_);
}

// A bar without its window yet (the settings are read before the first show) only
// keeps the state: asking for the window would make it before the bar has its place,
// and a window manager may place a window by where it was made.
void QtWindowOps::Apply() {
    xcb_connection_t* connection = X11Connection();
    if (bar_ == nullptr || connection == nullptr || !bar_->testAttribute(Qt::WA_WState_Created)) {
        return;
    }
    x11::SetKeepAbove(connection, static_cast<xcb_window_t>(bar_->winId()), keepAbove_);
}

PixelPoint QtWindowOps::BarClientToScreen(PixelPoint client) {
    if (bar_ == nullptr) {
        return client;
    }
    const QPoint screen = bar_->mapToGlobal(QPoint(client.x, client.y));
    return {screen.x(), screen.y()};
}

}  // namespace zelvo

namespace zelvo {

bool QtWindowOps::IsBarForeground() {
    if (bar_ == nullptr) {
        return false;
    }
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) {
        return bar_->isActiveWindow();
    }
    // A window manager that keeps no active window (an XWayland one whose Wayland
    // seat has no keyboard) leaves the X input focus to tell.
    const auto window = static_cast<xcb_window_t>(bar_->winId());
    const xcb_window_t active = x11::ActiveWindow(connection, window);
    if (active != XCB_WINDOW_NONE) {
        return active == window;
    }
    return x11::InputFocus(connection) == window;
}

void QtWindowOps::BringBarToForeground() {
    if (bar_ == nullptr) {
        return;
    }
    if (!bar_->isVisible() || bar_->isMinimized()) {
        activateWhenShown_ = true;
        return;
    }
    Activate();
}

void QtWindowOps::AfterBarShown() {
    if (!startupId_.empty() && bar_ != nullptr) {
        if (xcb_connection_t* connection = X11Connection()) {
            x11::CompleteStartup(connection, static_cast<xcb_window_t>(bar_->winId()),
                                 std::exchange(startupId_, std::string()));
        }
    }
    if (activateWhenShown_ && bar_ != nullptr) {
        activateWhenShown_ = false;
        Activate();
    }
}

void QtWindowOps::Activate() {
    bar_->raise();
    bar_->activateWindow();
    if (xcb_connection_t* connection = X11Connection()) {
        x11::RequestActivation(connection, static_cast<xcb_window_t>(bar_->winId()));
    }
}

}  // namespace zelvo
