#pragma once

#include <QDBusAbstractAdaptor>
#include <QList>
#include <QString>

#include "platform/search/krunner_match.h"

namespace zelvo {

class LengthSearch;

// KRunner's face of the length search: org.kde.krunner1. Running a match copies its
// value; there are no other actions.
class KRunnerRunner : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")

  public:
    KRunnerRunner(QObject* object, LengthSearch& search);

    Q_SLOT QList<KRunnerMatch> Match(const QString& query);
    Q_SLOT QList<KRunnerAction> Actions();
    Q_SLOT void Run(const QString& matchId, const QString& actionId);
    Q_SLOT void Teardown();

  private:
    LengthSearch& search_;
};

}  // namespace zelvo
