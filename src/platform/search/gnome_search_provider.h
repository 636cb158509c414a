#pragma once

#include <QDBusAbstractAdaptor>
#include <QList>
#include <QStringList>
#include <QVariantMap>

namespace zelvo {

class LengthSearch;

// GNOME Shell's face of the length search: org.gnome.Shell.SearchProvider2. Result
// metas carry the program's icon and the value as the text to copy.
class GnomeSearchProvider : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")

  public:
    GnomeSearchProvider(QObject* object, LengthSearch& search);

    Q_SLOT QStringList GetInitialResultSet(const QStringList& terms);
    Q_SLOT QStringList GetSubsearchResultSet(const QStringList& previousResults,
                                             const QStringList& terms);
    Q_SLOT QList<QVariantMap> GetResultMetas(const QStringList& identifiers);
    Q_SLOT void ActivateResult(const QString& identifier, const QStringList& terms, uint timestamp);
    Q_SLOT void LaunchSearch(const QStringList& terms, uint timestamp);

  private:
    LengthSearch& search_;
};

}  // namespace zelvo
