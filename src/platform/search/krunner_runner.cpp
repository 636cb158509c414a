#include "platform/search/krunner_runner.h"

#include "platform/search/length_search.h"
#include "session/search_results.h"

namespace zelvo {

KRunnerRunner::KRunnerRunner(QObject* object, LengthSearch& search)
    : QDBusAbstractAdaptor(object), search_(search) {
    RegisterKRunnerTypes();
}

QList<KRunnerMatch> KRunnerRunner::Match(const QString& query) {
    QList<KRunnerMatch> matches;
    for (const SearchResult& result : search_.Search(query.trimmed().toStdString())) {
        matches.append({QString::fromStdString(result.id),
                        QString::fromStdString(result.name),
                        QStringLiteral("zelvo"),
                        kKRunnerExactMatch,
                        1.0,
                        {{QStringLiteral("subtext"), QString::fromStdString(result.description)}}});
    }
    return matches;
}

QList<KRunnerAction> KRunnerRunner::Actions() {
    return {};
}

void KRunnerRunner::Run(const QString& matchId, const QString& /*actionId*/) {
    search_.Activate(matchId.toStdString());
}

void KRunnerRunner::Teardown() {}

}  // namespace zelvo
