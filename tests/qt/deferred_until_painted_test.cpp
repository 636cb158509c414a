#include <QTest>
#include <QWidget>
#include <QWindow>

#include "platform/qt/deferred_until_painted.h"

namespace zelvo {
namespace {

// Short enough for the tests to wait past it.
constexpr std::chrono::milliseconds kLatest(100);
constexpr int kPastLatestMilliseconds = 250;

}  // namespace

// Work put off until the windows shown have had their first paint.
class DeferredUntilPaintedTest : public QObject {
    Q_OBJECT

  private slots:
    void runsFromTheLoopOnceTheShownWindowIsPainted() {
        QWidget window;
        int runs = 0;
        bool exposedWhenRun = false;
        DeferredUntilPainted deferred(
            [&] {
                ++runs;
                exposedWhenRun = window.windowHandle()->isExposed();
            },
            kLatest);
        window.show();
        deferred.Schedule();
        QCOMPARE(runs, 0);
        QVERIFY(deferred.Pending());
        QTRY_COMPARE(runs, 1);
        QVERIFY(exposedWhenRun);
        QVERIFY(!deferred.Pending());
        QTest::qWait(kPastLatestMilliseconds);  // it does not run again
        QCOMPARE(runs, 1);
    }

    void runsOnceWhenAskedAtOnce() {
        int runs = 0;
        DeferredUntilPainted deferred([&] { ++runs; }, kLatest);
        deferred.Schedule();
        deferred.Schedule();
        deferred.RunNow();
        QCOMPARE(runs, 1);
        deferred.RunNow();
        QTest::qWait(kPastLatestMilliseconds);
        QCOMPARE(runs, 1);
    }

    void aCancelledTaskNeverRuns() {
        int runs = 0;
        DeferredUntilPainted deferred([&] { ++runs; }, kLatest);
        deferred.Schedule();
        deferred.Cancel();
        deferred.RunNow();
        QTest::qWait(kPastLatestMilliseconds);
        QCOMPARE(runs, 0);
    }
};

}  // namespace zelvo

QTEST_MAIN(zelvo::DeferredUntilPaintedTest)
#include "deferred_until_painted_test.moc"
