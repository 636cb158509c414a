#include "platform/qt/qt_window_ops.h"

#include <QGuiApplication>

#include "platform/qt/x11_connection.h"
#include "platform/x11/keep_above.h"

namespace zelvo {

void QtWindowOps::SetBarKeepAbove(bool above) {
    keepAbove_ = above;
    Apply();
}

void QtWindowOps::BeforeBarShown() {
    if (keepAbove_) {
        Apply();
    }
}

void QtWindowOps::Apply() {
    xcb_connection_t* connection = X11Connection();
    if (bar_ == nullptr || connection == nullptr) {
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
