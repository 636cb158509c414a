#include "platform/qt/hot_key_events.h"

#include <QByteArray>

namespace zelvo {

bool HotKeyEvents::nativeEventFilter(const QByteArray& eventType, void* message,
                                     qintptr* /*result*/) {
    if (eventType != QByteArrayLiteral("xcb_generic_event_t")) {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_KEY_PRESS) {
        return false;
    }
    const auto press = hotKey_.Match(*reinterpret_cast<const xcb_key_press_event_t*>(event));
    if (!press) {
        return false;
    }
    deliver_(press->id, press->lParam);
    return true;
}

}  // namespace zelvo
