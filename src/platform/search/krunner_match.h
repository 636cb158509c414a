#pragma once

#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

namespace zelvo {

// One match as KRunner's D-Bus runners pass them, (sssida{sv}): id, text, icon name,
// match type, relevance and properties (subtext, ...).
struct KRunnerMatch {
    QString id;
    QString text;
    QString iconName;
    int type = 0;
    double relevance = 0.0;
    QVariantMap properties;
};

// One action a runner offers on its matches, (sss): id, text and icon name.
struct KRunnerAction {
    QString id;
    QString text;
    QString iconName;
};

// KRunner's match types: an exact match is offered first.
inline constexpr int kKRunnerExactMatch = 100;

QDBusArgument& operator<<(QDBusArgument& argument, const KRunnerMatch& match);
const QDBusArgument& operator>>(const QDBusArgument& argument, KRunnerMatch& match);
QDBusArgument& operator<<(QDBusArgument& argument, const KRunnerAction& action);
const QDBusArgument& operator>>(const QDBusArgument& argument, KRunnerAction& action);

// Makes the match and action types and their lists known to QtDBus.
void RegisterKRunnerTypes();

}  // namespace zelvo

Q_DECLARE_METATYPE(zelvo::KRunnerMatch)
Q_DECLARE_METATYPE(zelvo::KRunnerAction)
