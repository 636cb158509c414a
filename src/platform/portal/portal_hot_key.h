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
#include "platform/portal/portal_shortcut.h"

namespace zelvo {

// The hot key through the desktop portal's GlobalShortcuts, for Wayland sessions,
// where no X11 grab reaches the other programs' windows. Each registration opens a
// session that carries the shortcut (Plasma binds what CreateSession brings; a portal
// that takes no shortcuts there gets BindShortcuts), and the desktop's answer (the
// key it keeps for Zelvo, which may be another or none) is handed on. The
// shortcut's activation arrives as the hot key's press.
class PortalHotKey final : public QObject, public GlobalHotKey {
    Q_OBJECT
  public:
    using Deliver = std::function<void(std::int32_t id, std::int32_t lParam)>;
    using Answer = std::function<void(DesktopKeyAnswer answer, const std::string& boundKey)>;

    PortalHotKey(Deliver deliver, Answer answer);
    ~PortalHotKey() override;
    PortalHotKey(const PortalHotKey&) = delete;
    PortalHotKey& operator=(const PortalHotKey&) = delete;

    // Whether the session bus has a portal with GlobalShortcuts.
    static bool Available();

    std::uint16_t GlobalAddAtom(std::string_view name) override;
    void GlobalDeleteAtom(std::uint16_t atom) override;
    bool RegisterHotKey(std::int32_t id, int modifiers, int virtualKey) override;
    void UnregisterHotKey(std::int32_t id) override;
    bool ReachesEveryWindow() const override { return true; }
    bool AnswersLater() const override { return true; }

  private:
    Q_SLOT void Activated(const QDBusMessage& message);

    struct Binding {
        std::int32_t id = 0;
        int modifiers = 0;
        int virtualKey = 0;
    };

    // The shortcut the bar's hot key makes, for the bound binding.
    PortalShortcut Shortcut() const;
    void CreateSession();
    void SessionCreated(int generation, uint response, const QVariantMap& results);
    void Bound(int generation, uint response, const QVariantMap& results);
    // The portal says the shortcut is held, with the key it describes (perhaps none
    // described); where KDE's key service is on the bus, the key it really grabs
    // decides.
    void Settle(int generation, const QString& description);
    void Answered(DesktopKeyAnswer answer, const QString& boundKey);
    void CloseSession();

    Deliver deliver_;
    Answer answer_;
    AtomTable atoms_;
    QString session_;
    std::optional<Binding> binding_;
    // Answers to the requests of an earlier registration are dropped.
    int generation_ = 0;
};

}  // namespace zelvo
