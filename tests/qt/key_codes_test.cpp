#include <QTest>

#include "ui/qt/key_codes.h"

namespace zelvo {

class KeyCodesTest : public QObject {
    Q_OBJECT
  private slots:
    void translatesKeysIntoCharacterCodes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << ctrl << QString("\x01") << 1;
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << QString() << 3;
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << QString("\x16") << 22;
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << ctrl << QString() << 24;
        QTest::newRow("Ctrl+Shift+Z")
            << int(Qt::Key_Z) << int(ctrl | Qt::ShiftModifier) << QString() << 26;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << QString("\b") << 8;
        QTest::newRow("Return") << int(Qt::Key_Return) << 0 << QString("\r") << 13;
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << QString("\r") << 13;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << QString("\x1b") << 27;
        QTest::newRow("digit") << int(Qt::Key_5) << 0 << QString("5") << 53;
        QTest::newRow("keypad digit")
            << int(Qt::Key_7) << int(Qt::KeypadModifier) << QString("7") << 55;
        QTest::newRow("point") << int(Qt::Key_Period) << 0 << QString(".") << 46;
        QTest::newRow("upper Q") << int(Qt::Key_Q) << int(Qt::ShiftModifier) << QString("Q") << 81;
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << QString(" ") << 32;
        QTest::newRow("full-width digit") << 0 << 0 << QString::fromUtf8("２") << 0xFF12;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << QString("\x7f") << -1;
        QTest::newRow("Left") << int(Qt::Key_Left) << 0 << QString() << -1;
        QTest::newRow("Home") << int(Qt::Key_Home) << 0 << QString() << -1;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << 0 << QString("\t") << -1;
        QTest::newRow("Ctrl+Left") << int(Qt::Key_Left) << ctrl << QString() << -1;
        QTest::newRow("Alt+Ctrl+A")
            << int(Qt::Key_A) << int(ctrl | Qt::AltModifier) << QString("a") << 97;
    }
    void translatesKeysIntoCharacterCodes() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, code);
        QCOMPARE(KeyCodeFor(key, Qt::KeyboardModifiers(modifiers), text), code);
    }
};

}  // namespace zelvo

QTEST_APPLESS_MAIN(zelvo::KeyCodesTest)
#include "key_codes_test.moc"
