#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "platform/qt/qt_tray_icon.h"
#include "ui/qt/about_view.h"

namespace zelvo {

class AboutAndTrayTest : public QObject {
    Q_OBJECT

  private slots:
    void aboutBoxShowsTitleAndVersion() {
        fake::FakePlatform fake;
        frmAbout about(fake.platform);
        about.Form_Load();
        AboutView view(about);
        view.Render();
        QCOMPARE(view.windowTitle(), QString("Zelvo"));
        QCOMPARE(view.versionLabel()->text(), QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ 2.5.0β"));
        QCOMPARE(view.sysInfoButton()->text(), QString::fromUtf8("ｼｽﾃﾑ情報(&S)..."));
    }

    void okAndTheCloseBoxCloseIt() {
        fake::FakePlatform fake;
        frmAbout about(fake.platform);
        AboutView view(about);
        about.Visible = true;
        QTimer::singleShot(0, view.okButton(), [&view] { view.okButton()->click(); });
        QCOMPARE(view.exec(), int(QDialog::Accepted));
        QVERIFY(!about.Visible);

        about.Visible = true;
        QTimer::singleShot(0, &view, [&view] { view.close(); });
        view.exec();
        QVERIFY(!about.Visible);
    }

    void systemInformationWithoutAToolSaysSo() {
        fake::FakePlatform fake;
        frmAbout about(fake.platform);
        AboutView view(about);
        view.sysInfoButton()->click();
        QCOMPARE(fake.toolkit.messages.size(), std::size_t{1});
    }

    void trayEventsArriveAsMessageNumbersAfterTheirHandler() {
        std::vector<int> codes;
        QtTrayIcon tray([&codes](int code) { codes.push_back(code); });
        tray.Shell_NotifyIcon(NIM_ADD, NotifyIconData{});
        tray.HostAppeared();
        QVERIFY(tray.icon() != nullptr);
        for (const auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick,
                                  QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick}) {
            QMetaObject::invokeMethod(const_cast<QSystemTrayIcon*>(tray.icon()), "activated",
                                      Q_ARG(QSystemTrayIcon::ActivationReason, reason));
        }
        QVERIFY(codes.empty());  // queued: nothing runs inside the tray's own handler
        QTRY_COMPARE(codes, (std::vector<int>{513, 515, 516, 519}));
    }

    // The program adds its icon without a tip: the tool tip names the program.
    void theRecordsTipBecomesTheToolTip() {
        QtTrayIcon tray([](int) {});
        NotifyIconData record;
        record.szTip.fill(' ');
        record.szTip[0] = '\0';
        tray.Shell_NotifyIcon(NIM_ADD, record);
        QVERIFY(!tray.InTray());  // no tray host on this platform: no icon made yet
        QCOMPARE(tray.icon(), nullptr);
        tray.HostAppeared();
        QVERIFY(tray.icon()->isVisible());
        QVERIFY(!tray.InTray());  // the host that was said to appear is not really there
        QCOMPARE(tray.icon()->toolTip(), QStringLiteral("Zelvo"));
        QVERIFY(!tray.icon()->icon().isNull());
        tray.Shell_NotifyIcon(NIM_DELETE, record);
        QVERIFY(!tray.icon()->isVisible());
        tray.HostAppeared();  // a host coming back does not bring a deleted icon back
        QVERIFY(!tray.icon()->isVisible());
    }
};

}  // namespace zelvo

QTEST_MAIN(zelvo::AboutAndTrayTest)
#include "about_and_tray_test.moc"
