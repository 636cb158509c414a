#pragma once

#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

namespace zelvo {

// One shortcut as the GlobalShortcuts portal passes them, a(sa{sv}): an id and its
// properties (description, preferred_trigger; trigger_description in answers).
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut);

// Makes PortalShortcut and its lists known to QtDBus; once is enough, more is harmless.
void RegisterPortalShortcutTypes();

}  // namespace zelvo

Q_DECLARE_METATYPE(zelvo::PortalShortcut)
