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

  public slots:
    QStringList GetInitialResultSet(const QStringList& terms);
    QStringList GetSubsearchResultSet(const QStringList& previousResults, const QStringList& terms);
    QList<QVariantMap> GetResultMetas(const QStringList& identifiers);
    void ActivateResult(const QString& identifier, const QStringList& terms, uint timestamp);
    void LaunchSearch(const QStringList& terms, uint timestamp);

  private:
    LengthSearch& search_;
};

}  // namespace zelvo
