#include <QFile>
#include <QTest>

#include "platform/qt/program_icon.h"

namespace zelvo {

class ProgramIconTest : public QObject {
    Q_OBJECT

  private slots:
    void holdsBothSizesWithoutLoadingOtherImagePlugins() {
        const QIcon icon = ProgramIcon();
        const QList<QSize> sizes = icon.availableSizes();
        QVERIFY(sizes.contains(QSize(32, 32)));
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(!icon.pixmap(16, 16).toImage().isNull());

        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY(!mapped.contains("imageformats/libqjpeg"));
        QVERIFY(!mapped.contains("imageformats/libqico"));
    }
};

}  // namespace zelvo

QTEST_MAIN(zelvo::ProgramIconTest)
#include "program_icon_test.moc"
