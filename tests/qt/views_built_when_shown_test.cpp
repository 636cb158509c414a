#include <QCheckBox>
#include <QTest>

#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "ui/qt/about_view.h"
#include "ui/qt/settings_view.h"

namespace zelvo {

// The settings dialog and the About box make their widgets only when they are first shown:
// until then a start pays nothing for them, and what the models changed meanwhile is what
// the new widgets show.
class ViewsBuiltWhenShownTest : public QObject {
    Q_OBJECT

  private slots:
    void aHiddenDialogHasNoWidgets() {
        fake::FakePlatform fake;
        WindowSet windows(fake.platform);
        SettingsView view(windows.dialog, fake.toolkit, [] {});
        windows.dialog.Form_Load();
        view.Render();
        QVERIFY(!view.built());
        QVERIFY(view.findChildren<QWidget*>().isEmpty());
        QCOMPARE(view.size(), QSize(369, 281));
    }

    void theFirstShowMakesThemAsTheModelIsThen() {
        fake::FakePlatform fake;
        WindowSet windows(fake.platform);
        SettingsView view(windows.dialog, fake.toolkit, [] {});
        view.Render();
        windows.dialog.Form_Load();
        windows.dialog.Check1.Value = 1;
        windows.dialog.Label5.Caption = "0.000";
        windows.dialog.Visible = true;
        view.Render();
        QVERIFY(view.built());
        QVERIFY(view.isVisible());
        QCOMPARE(view.decimalsSample()->text(), QString("0.000"));
        const auto checkBoxes = view.findChildren<QCheckBox*>();
        QVERIFY(!checkBoxes.isEmpty());
        QVERIFY(checkBoxes.front()->isChecked());
        QVERIFY(view.hotKeyEdit() != nullptr);
        QVERIFY(view.hotKeyEdit()->isVisible());
    }

    void aShowFromOutsideTheModelMakesThemToo() {
        fake::FakePlatform fake;
        WindowSet windows(fake.platform);
        SettingsView view(windows.dialog, fake.toolkit, [] {});
        view.show();
        QVERIFY(view.built());
        QVERIFY(view.densityOption(0)->isVisible());
    }

    void theAboutBoxMakesItsWidgetsWhenShown() {
        fake::FakePlatform fake;
        frmAbout about(fake.platform);
        about.Form_Load();
        AboutView view(about);
        QVERIFY(view.findChildren<QWidget*>().isEmpty());
        view.show();
        QVERIFY(!view.findChildren<QWidget*>().isEmpty());
        QVERIFY(view.okButton()->isVisible());
    }
};

}  // namespace zelvo

QTEST_MAIN(zelvo::ViewsBuiltWhenShownTest)
#include "views_built_when_shown_test.moc"
