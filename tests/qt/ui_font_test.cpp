#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTest>

#include "ui/qt/fonts.h"

namespace zelvo {

// The UI font is the P-Gothic face or its stand-in, asked for by a family the font database
// holds, so that Qt finds it without searching every font for fallbacks.
class UiFontTest : public QObject {
    Q_OBJECT

  private slots:
    void isAPGothicFaceTheDatabaseHolds() {
        const QFont font = PGothicFont(11.25, true);
        const QStringList faces{QStringLiteral("MS PGothic"), QStringLiteral("ＭＳ Ｐゴシック"),
                                QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")};
        QVERIFY2(faces.contains(font.family()), qPrintable(font.family()));
        QVERIFY(QFontDatabase::hasFamily(font.family()));
        const QFontInfo shown(font);
        QVERIFY2(faces.contains(shown.family()), qPrintable(shown.family()));
        QCOMPARE(shown.pointSizeF(), 11.25);
        QVERIFY(shown.bold());
    }

    void keepsSizeAndWeightApart() {
        const QFontInfo shown(PGothicFont(9, false));
        QCOMPARE(shown.pointSizeF(), 9.0);
        QVERIFY(!shown.bold());
    }
};

}  // namespace zelvo

QTEST_MAIN(zelvo::UiFontTest)
#include "ui_font_test.moc"
