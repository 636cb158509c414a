#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <functional>

#include "platform/x11/x11_hot_key.h"

namespace zelvo {

// Takes the presses of registered hot keys out of Qt's X11 event stream and
// hands them on as the hot-key message's identifier and lParam.
class HotKeyEvents final : public QAbstractNativeEventFilter {
  public:
    using Deliver = std::function<void(std::int32_t id, std::int32_t lParam)>;

    HotKeyEvents(const x11::X11HotKey& hotKey, Deliver deliver)
        : hotKey_(hotKey), deliver_(std::move(deliver)) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    const x11::X11HotKey& hotKey_;
    Deliver deliver_;
};

}  // namespace zelvo
