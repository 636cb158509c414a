#include <QTest>

#include <QKeySequence>

#include "platform/portal/shortcut_trigger.h"
#include "platform/x11/vk_keysyms.h"
#include "ui/qt/vk_qt_keys.h"

namespace zelvo {

class VkQtKeysTest : public QObject {
    Q_OBJECT
  private slots:
    // The key text a desktop's key codes are compared with names, in Qt's own terms,
    // the very key of each code, with its modifiers.
    void qtKeyTextNamesTheKeyOfEachCode() {
        int named = 0;
        for (int code = 1; code < 256; ++code) {
            const QString text = QString::fromStdString(QtKeyText(2 | 1, code));
            if (text.isEmpty()) {
                continue;
            }
            ++named;
            const QKeySequence sequence =
                QKeySequence::fromString(text, QKeySequence::PortableText);
            QCOMPARE(sequence.count(), 1);
            QCOMPARE(sequence[0].keyboardModifiers(), Qt::ControlModifier | Qt::AltModifier);
            QCOMPARE(VirtualKeyForQtKey(sequence[0].key(), false), code);
        }
        QVERIFY(named > 60);
    }
    void givesTheCodesOfMainKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code");
        QTest::newRow("K") << int(Qt::Key_K) << 0x4B;
        QTest::newRow("Z") << int(Qt::Key_Z) << 0x5A;
        QTest::newRow("5") << int(Qt::Key_5) << 0x35;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0x70;
        QTest::newRow("F24") << int(Qt::Key_F24) << 0x87;
        QTest::newRow("Space") << int(Qt::Key_Space) << 0x20;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 0x22;
        QTest::newRow("Down") << int(Qt::Key_Down) << 0x28;
        QTest::newRow("Print") << int(Qt::Key_Print) << 0x2C;
        QTest::newRow("Alt+Print") << int(Qt::Key_SysReq) << 0x2C;
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << 0x09;
        QTest::newRow("Menu") << int(Qt::Key_Menu) << 0x5D;
        QTest::newRow(";") << int(Qt::Key_Semicolon) << 0xBA;
        QTest::newRow("'") << int(Qt::Key_Apostrophe) << 0xDE;
        QTest::newRow("backslash") << int(Qt::Key_Backslash) << 0xDC;
    }
    void givesTheCodesOfMainKeys() {
        QFETCH(int, key);
        QFETCH(int, code);
        QCOMPARE(VirtualKeyForQtKey(key, false), code);
    }

    void tellsTheKeypadFromTheMainKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("main");
        QTest::addColumn<int>("keypad");
        QTest::newRow("0") << int(Qt::Key_0) << 0x30 << 0x60;
        QTest::newRow("7") << int(Qt::Key_7) << 0x37 << 0x67;
        QTest::newRow("*") << int(Qt::Key_Asterisk) << 0x38 << 0x6A;
        QTest::newRow("+") << int(Qt::Key_Plus) << 0xBB << 0x6B;
        QTest::newRow(",") << int(Qt::Key_Comma) << 0xBC << 0x6C;
        QTest::newRow("-") << int(Qt::Key_Minus) << 0xBD << 0x6D;
        QTest::newRow(".") << int(Qt::Key_Period) << 0xBE << 0x6E;
        QTest::newRow("/") << int(Qt::Key_Slash) << 0xBF << 0x6F;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << 0x0D << 0x0D;
        QTest::newRow("Num Lock off: Home") << int(Qt::Key_Home) << 0x24 << 0x24;
        QTest::newRow("Num Lock off: Up") << int(Qt::Key_Up) << 0x26 << 0x26;
        QTest::newRow("Num Lock off: Insert") << int(Qt::Key_Insert) << 0x2D << 0x2D;
        QTest::newRow("Num Lock off: Delete") << int(Qt::Key_Delete) << 0x2E << 0x2E;
        QTest::newRow("Num Lock off: 5") << int(Qt::Key_Clear) << 0x0C << 0x0C;
    }
    void tellsTheKeypadFromTheMainKeys() {
        QFETCH(int, key);
        QFETCH(int, main);
        QFETCH(int, keypad);
        QCOMPARE(VirtualKeyForQtKey(key, false), main);
        QCOMPARE(VirtualKeyForQtKey(key, true), keypad);
    }

    void shiftedSymbolsGiveTheCodeOfTheirKey() {
        // A US keyboard; Qt's keys of these symbols are their characters.
        const QByteArray unshifted = "`1234567890-=[]\\;',./";
        const QByteArray shifted = "~!@#$%^&*()_+{}|:\"<>?";
        QCOMPARE(shifted.size(), unshifted.size());
        for (qsizetype i = 0; i < shifted.size(); ++i) {
            const int code = VirtualKeyForQtKey(unshifted[i], false);
            QVERIFY2(code != 0, unshifted.mid(i, 1));
            QCOMPARE(VirtualKeyForQtKey(shifted[i], false), code);
            QCOMPARE(VirtualKeyName(code), QString(QChar(unshifted[i])));
        }
    }

    void modifiersAloneAndUnknownKeysGiveZero() {
        const int keys[] = {Qt::Key_Shift,
                            Qt::Key_Control,
                            Qt::Key_Alt,
                            Qt::Key_Meta,
                            Qt::Key_AltGr,
                            Qt::Key_Super_L,
                            Qt::Key_F25,
                            Qt::Key_Eacute,
                            Qt::Key_VolumeUp,
                            Qt::Key_unknown,
                            0};
        for (const int key : keys) {
            QCOMPARE(VirtualKeyForQtKey(key, false), 0);
            QCOMPARE(VirtualKeyForQtKey(key, true), 0);
        }
    }

    void namesCodes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("none") << 0 << QString();
        QTest::newRow("letter") << 0x4B << "K";
        QTest::newRow("digit") << 0x35 << "5";
        QTest::newRow("F5") << 0x74 << "F5";
        QTest::newRow("F24") << 0x87 << "F24";
        QTest::newRow("keypad digit") << 0x67 << "Num 7";
        QTest::newRow("keypad operator") << 0x6A << "Num *";
        QTest::newRow("Page Up") << 0x21 << "Page Up";
        QTest::newRow("Space") << 0x20 << "Space";
        QTest::newRow("Enter") << 0x0D << "Enter";
        QTest::newRow("symbol") << 0xBA << ";";
        QTest::newRow("backslash") << 0xDC << "\\";
        QTest::newRow("Japanese backslash") << 0xE2 << "\\ _";
        QTest::newRow("unnamed") << 0xA6 << "0xA6";
        QTest::newRow("small unnamed") << 0x05 << "0x05";
    }
    void namesCodes() {
        QFETCH(int, code);
        QFETCH(QString, name);
        QCOMPARE(VirtualKeyName(code), name);
    }

    // The settings dialog captures codes that the X11 hot key grabs, and names
    // every code the grab knows.
    void agreesWithTheX11Keys() {
        for (int code = 1; code <= 0xFF; ++code) {
            if (x11::KeysymForVirtualKey(code) != 0) {
                QVERIFY2(!VirtualKeyName(code).startsWith("0x"), qPrintable(QString::number(code)));
            }
        }
        for (int key = 0x20; key < 0x7F; ++key) {
            for (const bool keypad : {false, true}) {
                if (const int code = VirtualKeyForQtKey(key, keypad); code != 0) {
                    QVERIFY(x11::KeysymForVirtualKey(code) != 0);
                }
            }
        }
        for (int key = Qt::Key_Escape; key <= Qt::Key_F24; ++key) {
            if (const int code = VirtualKeyForQtKey(key, false); code != 0) {
                QVERIFY(x11::KeysymForVirtualKey(code) != 0);
            }
        }
    }
};

}  // namespace zelvo

QTEST_APPLESS_MAIN(zelvo::VkQtKeysTest)
#include "vk_qt_keys_test.moc"
