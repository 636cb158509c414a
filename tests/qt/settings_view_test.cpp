#include <QTest>
#include <memory>

#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "fake/gif_files.h"
#include "ui/qt/settings_view.h"

namespace zelvo {

class SettingsViewTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        fake_ = std::make_unique<fake::FakePlatform>();
        folder_ = std::make_unique<fake::ProgramFolder>();
        fake_->paths.programFolder = folder_->path();
        windows_ = std::make_unique<WindowSet>(fake_->platform);
        view_ = std::make_unique<SettingsView>(windows_->dialog, fake_->toolkit,
                                               [this] { view_->Render(); });
        dialog().Visible = true;
        view_->Render();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    }
    void cleanup() {
        view_.reset();
        windows_.reset();
        folder_.reset();
        fake_.reset();
    }

    void laidOutFromTwips() {
        QCOMPARE(view_->windowTitle(), QString::fromUtf8("設定"));
        QCOMPARE(view_->size(), QSize(369, 281));
        QCOMPARE(view_->densityOption(1)->geometry(), QRect(80, 16, 80, 17));
        QCOMPARE(view_->densityBox()->geometry(), QRect(64, 40, 33, 18));
        QCOMPARE(view_->decimalsArrows()->geometry(), QRect(152, 15, 16, 17));
        QCOMPARE(view_->applyButton()->text(), QString::fromUtf8("バーに適用"));
        QCOMPARE(view_->previewButton()->text(), QString::fromUtf8("確　認"));
    }

    void densityOptionsFollowTheModel() {
        QVERIFY(view_->densityOption(0)->isChecked());
        QVERIFY(!view_->densityBox()->isEnabled());
        QTest::mouseClick(view_->densityOption(2), Qt::LeftButton);
        QCOMPARE(dialog().DensityIndex(), 2);
        QVERIFY(!view_->densityOption(0)->isChecked());
        QVERIFY(view_->densityBox()->isEnabled());

        view_->densityBox()->setFocus();
        view_->densityBox()->selectAll();
        QTest::keyClicks(view_->densityBox(), "3a0-0");
        QCOMPARE(dialog().Text5.Text, std::string("300"));
        QCOMPARE(fake_->toolkit.beeps, 2);
    }

    void arrowsChangeTheDecimalsAndReRoundTheBar() {
        windows_->bar.conversion.text2[1] = "25.4";
        QTest::mouseClick(view_->decimalsArrows()->upButton(), Qt::LeftButton);
        QCOMPARE(dialog().UpDown1.Value, 3);
        QCOMPARE(view_->decimalsSample()->text(), QString("0.000"));
        QCOMPARE(windows_->bar.text1[1].Text, std::string("25.400"));
        QTest::mouseClick(view_->decimalsArrows()->downButton(), Qt::LeftButton);
        QTest::mouseClick(view_->decimalsArrows()->downButton(), Qt::LeftButton);
        QCOMPARE(view_->decimalsSample()->text(), QString("0.0"));
        QCOMPARE(windows_->bar.text1[1].Text, std::string("25.4"));
    }

    void skinFrameListsPreviewsAndApplies() {
        folder_->WriteSkin("blue");
        folder_->WriteSkin("red");
        dialog().ListSkinFolders(folder_->path() + "/skin");
        view_->Render();
        QCOMPARE(view_->skinList()->count(), 2);
        QCOMPARE(view_->skinList()->placeholderText(), QString::fromUtf8("skinセットがありません"));

        view_->skinList()->setCurrentIndex(1);
        QCOMPARE(dialog().Combo1.ListIndex, 1);
        QTest::mouseClick(view_->applyButton(), Qt::LeftButton);
        QCOMPARE(dialog().Label2.Caption, std::string("red"));
        QVERIFY(windows_->bar.BorderImg[0].Picture != nullptr);
        QCOMPARE(view_->preview(2)->shownPicture(), dialog().Image1[2].Picture.get());
        QCOMPARE(view_->preview(1)->parentWidget(),
                 view_->preview(2)->parentWidget()->parentWidget());
    }

    void closeBoxOnlyHides() {
        view_->close();
        QVERIFY(!dialog().Visible);
        QVERIFY(!view_->isVisible());
    }

    // From the keyboard: the arrows take the focus and step with Up and Down, the
    // options are exclusive yet may all be off, and Escape closes as the close box.
    void keyboardStepsClosesAndKeepsTheOptionsExclusive() {
        windows_->bar.conversion.text2[1] = "25.4";
        view_->decimalsArrows()->setFocus();
        QVERIFY(view_->decimalsArrows()->hasFocus());
        QTest::keyClick(view_->decimalsArrows(), Qt::Key_Up);
        QCOMPARE(windows_->bar.text1[1].Text, std::string("25.400"));
        QTest::keyClick(view_->decimalsArrows(), Qt::Key_Down);
        QCOMPARE(dialog().UpDown1.Value, 2);

        QVERIFY(view_->densityOption(0)->autoExclusive());
        dialog().SetOption1(0, false);
        view_->Render();
        QVERIFY(!view_->densityOption(0)->isChecked());
        QVERIFY(!view_->densityOption(1)->isChecked());

        QTest::keyClick(view_->decimalsArrows(), Qt::Key_Escape);
        QVERIFY(!dialog().Visible);
        QVERIFY(!view_->isVisible());
    }

  private:
    Form2& dialog() { return windows_->dialog; }

    std::unique_ptr<fake::FakePlatform> fake_;
    std::unique_ptr<fake::ProgramFolder> folder_;
    std::unique_ptr<WindowSet> windows_;
    std::unique_ptr<SettingsView> view_;
};

}  // namespace zelvo

QTEST_MAIN(zelvo::SettingsViewTest)
#include "settings_view_test.moc"
