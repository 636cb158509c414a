#include "platform/search/gnome_search_provider.h"

#include <QDBusMetaType>
#include <string>
#include <vector>

#include "platform/search/length_search.h"
#include "session/search_results.h"

namespace zelvo {
namespace {

std::string TermOf(const QStringList& words) {
    std::vector<std::string> parts;
    parts.reserve(static_cast<std::size_t>(words.size()));
    for (const QString& word : words) {
        parts.push_back(word.toStdString());
    }
    return JoinedTerms(parts);
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

GnomeSearchProvider::GnomeSearchProvider(QObject* object, LengthSearch& search)
    : QDBusAbstractAdaptor(object), search_(search) {
    qDBusRegisterMetaType<QList<QVariantMap>>();
}

QStringList GnomeSearchProvider::GetInitialResultSet(const QStringList& terms) {
    QStringList ids;
    for (const SearchResult& result : search_.Search(TermOf(terms))) {
        ids.append(Text(result.id));
    }
    return ids;
}

// A longer term is a new conversion; the earlier results say nothing of it.
QStringList GnomeSearchProvider::GetSubsearchResultSet(const QStringList& /*previousResults*/,
                                                       const QStringList& terms) {
    return GetInitialResultSet(terms);
}

QList<QVariantMap> GnomeSearchProvider::GetResultMetas(const QStringList& identifiers) {
    QList<QVariantMap> metas;
    for (const QString& id : identifiers) {
        const auto result = search_.Result(id.toStdString());
        if (!result) {
            continue;
        }
        metas.append({{QStringLiteral("id"), id},
                      {QStringLiteral("name"), Text(result->name)},
                      {QStringLiteral("description"), Text(result->description)},
                      {QStringLiteral("gicon"), QStringLiteral("zelvo")},
                      {QStringLiteral("clipboardText"), Text(result->value)}});
    }
    return metas;
}

void GnomeSearchProvider::ActivateResult(const QString& identifier, const QStringList& /*terms*/,
                                         uint /*timestamp*/) {
    search_.Activate(identifier.toStdString());
}

void GnomeSearchProvider::LaunchSearch(const QStringList& terms, uint /*timestamp*/) {
    search_.Open(TermOf(terms));
}

}  // namespace zelvo
