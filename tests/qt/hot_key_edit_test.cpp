#include <QTest>
#include <memory>

#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "ui/qt/settings_view.h"

namespace zelvo {

// The key-capture control in the settings dialog: what the user presses, after
// the control's rules, and the "変更" button that registers it.
class HotKeyEditTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        fake_ = std::make_unique<fake::FakePlatform>();
        windows_ = std::make_unique<WindowSet>(fake_->platform);
        view_ = std::make_unique<SettingsView>(windows_->dialog, fake_->toolkit,
                                               [this] { view_->Render(); });
        windows_->dialog.Form_Load();
        windows_->dialog.Visible = true;
        view_->Render();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        QVERIFY(view_->hotKeyEdit() != nullptr);
        view_->hotKeyEdit()->setFocus();
    }
    void cleanup() {
        view_.reset();
        windows_.reset();
        fake_.reset();
    }

    void sitsInItsHostAtTheHostsSize() {
        QCOMPARE(view_->hotKeyEdit()->geometry(), QRect(0, 0, 105, 17));
        QCOMPARE(view_->hotKeyEdit()->text(), QString::fromUtf8("なし"));
    }

    void showsAndKeepsTheCombination() {
        QTest::keyClick(view_->hotKeyEdit(), Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(windows_->dialog.hotKeyControl.Value, std::uint16_t{0x64B});
        QCOMPARE(view_->hotKeyEdit()->text(), QString("Ctrl + Alt + K"));
    }

    void aLoneKeyOrShiftWithItGetsAlt() {
        QTest::keyClick(view_->hotKeyEdit(), Qt::Key_F5);
        QCOMPARE(view_->hotKeyEdit()->text(), QString("Alt + F5"));
        QTest::keyClick(view_->hotKeyEdit(), Qt::Key_J, Qt::ShiftModifier);
        QCOMPARE(view_->hotKeyEdit()->text(), QString("Alt + J"));
        QTest::keyClick(view_->hotKeyEdit(), Qt::Key_J, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(view_->hotKeyEdit()->text(), QString("Ctrl + Shift + J"));
    }

    // Escape and Enter alone are no hot keys: they leave the box to the dialog, and the
    // key shown stays; with a modifier they are keys like the others.
    void escapeAndEnterAloneAreTheDialogs() {
        QTest::keyClick(view_->hotKeyEdit(), Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QTest::keyClick(view_->hotKeyEdit(), Qt::Key_Return);
        QCOMPARE(windows_->dialog.hotKeyControl.Value, std::uint16_t{0x64B});
        QTest::keyClick(view_->hotKeyEdit(), Qt::Key_Escape);
        QCOMPARE(windows_->dialog.hotKeyControl.Value, std::uint16_t{0x64B});
        QVERIFY(!windows_->dialog.Visible);  // Escape closed the dialog
        QTest::keyClick(view_->hotKeyEdit(), Qt::Key_Escape, Qt::ControlModifier);
        QCOMPARE(view_->hotKeyEdit()->text(), QString("Ctrl + Esc"));
    }

    void backspaceClears() {
        QTest::keyClick(view_->hotKeyEdit(), Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QTest::keyClick(view_->hotKeyEdit(), Qt::Key_Backspace);
        QCOMPARE(windows_->dialog.hotKeyControl.Value, std::uint16_t{0});
        QCOMPARE(view_->hotKeyEdit()->text(), QString::fromUtf8("なし"));
    }

    void setButtonRegistersTheShownKey() {
        QTest::keyClick(view_->hotKeyEdit(), Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QTest::mouseClick(view_->setHotKeyButton(), Qt::LeftButton);
        QCOMPARE(fake_->globalHotKey.registered.size(), std::size_t{1});
        QCOMPARE(fake_->globalHotKey.registered.begin()->second, std::make_pair(3, 75));
        QCOMPARE(windows_->dialog.hotKeyRecord.sChar, std::string("K"));
    }

  private:
    std::unique_ptr<fake::FakePlatform> fake_;
    std::unique_ptr<WindowSet> windows_;
    std::unique_ptr<SettingsView> view_;
};

}  // namespace zelvo

QTEST_MAIN(zelvo::HotKeyEditTest)
#include "hot_key_edit_test.moc"
