#pragma once

#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/atom_table.h"
#include "platform/global_hot_key.h"

namespace zelvo {

// The hot key through the desktop portal's GlobalShortcuts, for Wayland sessions,
// where no X11 grab reaches the other programs' windows. A session is made at start;
// a registration binds one shortcut with the hot key as its preferred trigger (the
// desktop may ask the user to confirm or choose another), and its activation arrives
// as the hot key's press.
class PortalHotKey final : public QObject, public GlobalHotKey {
    Q_OBJECT
  public:
    using Deliver = std::function<void(std::int32_t id, std::int32_t lParam)>;

    explicit PortalHotKey(Deliver deliver);

    // Whether the session bus has a portal with GlobalShortcuts.
    static bool Available();

    std::uint16_t GlobalAddAtom(std::string_view name) override;
    void GlobalDeleteAtom(std::uint16_t atom) override;
    bool RegisterHotKey(std::int32_t id, int modifiers, int virtualKey) override;
    void UnregisterHotKey(std::int32_t id) override;
    bool ReachesEveryWindow() const override { return true; }

  private:
    Q_SLOT void SessionCreated(uint response, const QVariantMap& results);
    Q_SLOT void Activated(const QDBusMessage& message);

    struct Binding {
        std::int32_t id = 0;
        int modifiers = 0;
        int virtualKey = 0;
        std::string trigger;
    };

    void Bind();
    // Calls a portal method whose answer comes as the Response of a request object;
    // `slot` then gets it.
    void Request(const QString& method, QVariantList arguments, const char* slot);

    Deliver deliver_;
    AtomTable atoms_;
    QString session_;
    std::optional<Binding> binding_;
    int tokens_ = 0;
};

}  // namespace zelvo
