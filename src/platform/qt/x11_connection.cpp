#include "platform/qt/x11_connection.h"

#include <QGuiApplication>

namespace zelvo {

xcb_connection_t* X11Connection() {
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
        return nullptr;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

}  // namespace zelvo
