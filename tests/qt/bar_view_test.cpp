#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>
#include <memory>

#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "platform/qt/qt_picture.h"
#include "ui/qt/bar_view.h"

namespace zelvo {

class BarViewTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        fake_ = std::make_unique<fake::FakePlatform>();
        windows_ = std::make_unique<WindowSet>(fake_->platform);
        view_ =
            std::make_unique<BarView>(windows_->bar, fake_->toolkit, [this] { view_->Render(); });
        bar().Visible = true;
        view_->Render();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        view_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view_.get()));
    }
    void cleanup() {
        view_.reset();
        windows_.reset();
        fake_.reset();
    }

    void geometryComesFromTwips() {
        QCOMPARE(view_->size(), QSize(839, 35));  // 12585 x 525 twips at 15 per pixel
        QCOMPARE(view_->box(0)->geometry(), QRect(26, 9, 89, 18));
        QCOMPARE(view_->box(1)->geometry(), QRect(141, 9, 89, 18));
        QCOMPARE(view_->separator(0)->geometry(), QRect(115, 0, 26, 33));
        QCOMPARE(view_->rightEnd()->geometry(), QRect(805, 0, 34, 33));
        QCOMPARE(view_->background()->geometry(), QRect(26, 0, 779, 33));

        bar().text1[2].Width = 3000;
        bar().Left = 1500;
        bar().Top = 300;
        view_->Render();
        QCOMPARE(view_->box(2)->width(), 200);
        QCOMPARE(view_->pos(), QPoint(100, 20));
    }

    void typedCharactersPassTheKeyHandler() {
        view_->box(1)->setFocus();
        QTest::keyClicks(view_->box(1), "2x5.4 a");
        QCOMPARE(view_->box(1)->text(), QString("25.4"));
        QCOMPARE(fake_->toolkit.beeps, 3);
        QCOMPARE(bar().text1[1].Text, std::string("25.4"));

        QTest::keyClick(view_->box(1), Qt::Key_Return);
        QCOMPARE(view_->box(2)->text(), QString("101.60"));
        QCOMPARE(view_->box(6)->text(), QString("1440.18"));
        QCOMPARE(view_->box(1)->text(), QString("25.40"));
    }

    void aNewInputEmptiesTheOtherBoxesOnScreen() {
        view_->box(1)->setFocus();
        QTest::keyClicks(view_->box(1), "1");
        QTest::keyClick(view_->box(1), Qt::Key_Return);
        QCOMPARE(view_->box(3)->text(), QString("2.84"));

        view_->box(3)->setFocus();
        QTest::keyClicks(view_->box(3), "7");
        QCOMPARE(view_->box(3)->text(), QString("7"));
        QCOMPARE(view_->box(1)->text(), QString());
        QCOMPARE(view_->box(6)->text(), QString());
    }

    void escapeBeepsAndLeavesTheBox() {
        bar().text1[4].SetText("1.00");
        view_->Render();
        view_->box(4)->setFocus();
        QTest::keyClick(view_->box(4), Qt::Key_Escape);
        QCOMPARE(view_->box(4)->text(), QString("1.00"));
        QCOMPARE(fake_->toolkit.beeps, 1);
    }

    void controlKeysReachTheHandlers() {
        bar().text1[5].SetText("96.00");
        bar().text1[1].SetText("25.40");
        view_->Render();
        view_->box(5)->setFocus();
        view_->box(5)->setCursorPosition(1);
        QTest::keyClick(view_->box(5), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(view_->box(5)->selectedText(), QString("96.00"));
        QTest::keyClick(view_->box(5), Qt::Key_X, Qt::ControlModifier);  // cut is refused
        QCOMPARE(view_->box(5)->text(), QString("96.00"));
        QCOMPARE(fake_->toolkit.beeps, 1);
        QTest::keyClick(view_->box(5), Qt::Key_Backspace);
        QCOMPARE(view_->box(5)->text(), QString());
        QCOMPARE(view_->box(1)->text(), QString());
    }

    // The line edit's own limit would cut a long expression to a wrong value.
    void aLongPastedExpressionIsKeptWhole() {
        QString expression = QStringLiteral("1");
        for (int i = 0; i < 20000; ++i) {
            expression.append(QStringLiteral("+1"));
        }
        QApplication::clipboard()->setText(expression);
        view_->box(0)->setFocus();
        QTest::keyClick(view_->box(0), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(view_->box(0)->text().size(), expression.size());
        QCOMPARE(bar().text1[0].Text.size(), static_cast<std::size_t>(expression.size()));
        QTest::keyClick(view_->box(0), Qt::Key_Return);
        QCOMPARE(view_->box(1)->text(), QString("20001.00"));
    }

    void inputMethodTextIsFilteredCharacterByCharacter() {
        view_->box(0)->setFocus();
        QInputMethodEvent event;
        event.setCommitString(QString::fromUtf8("1２a+q"));
        QApplication::sendEvent(view_->box(0), &event);
        QCOMPARE(view_->box(0)->text(), QString("1+q"));
        QCOMPARE(fake_->toolkit.beeps, 2);

        QInputMethodEvent unitBoxEvent;
        unitBoxEvent.setCommitString(QString::fromUtf8("ｍｍ"));
        view_->box(1)->setFocus();
        QApplication::sendEvent(view_->box(1), &unitBoxEvent);
        QCOMPARE(view_->box(1)->text(), QString());
        QCOMPARE(fake_->toolkit.beeps, 4);
    }

    void focusSelectsTheWholeTextAlsoOnAClick() {
        bar().text1[2].SetText("101.60");
        bar().text1[3].SetText("72.02");
        view_->Render();
        view_->box(2)->setFocus(Qt::TabFocusReason);
        QCOMPARE(view_->box(2)->selectedText(), QString("101.60"));

        QTest::mouseClick(view_->box(3), Qt::LeftButton, {}, QPoint(5, 9));
        QVERIFY(view_->box(3)->hasFocus());
        QCOMPARE(view_->box(3)->selectedText(), QString("72.02"));

        QTest::mouseClick(view_->box(3), Qt::LeftButton, {}, QPoint(5, 9));
        QCOMPARE(view_->box(3)->selectedText(), QString());  // a second click places the caret
    }

    void toolTipsNameTheUnits() {
        QCOMPARE(view_->box(0)->toolTip(), QString::fromUtf8("式で換算"));
        QCOMPARE(view_->box(6)->toolTip(), QString::fromUtf8("Twipを換算"));
    }

    void textFitsTheLowBoxes() {
        const QFontMetrics metrics(view_->box(1)->font());
        QVERIFY2(metrics.height() <= view_->box(1)->height() - 2,
                 qPrintable(QString("font height %1 in a box %2 high")
                                .arg(metrics.height())
                                .arg(view_->box(1)->height())));
        QCOMPARE(view_->box(1)->font().weight(), QFont::Bold);
        QCOMPARE(view_->box(1)->font().pointSizeF(), 11.25);
    }

    void drawingOrderPutsBoxesInFrontAndTheBackgroundBehind() {
        const QObjectList order = view_->children();  // back to front
        const auto at = [&order](const QObject* child) { return order.indexOf(child); };
        QVERIFY(at(view_->background()) < at(view_->rightEnd()));
        QVERIFY(at(view_->rightEnd()) < at(view_->separator(0)));
        QVERIFY(at(view_->separator(5)) < at(view_->marker()));
        QVERIFY(at(view_->marker()) < at(view_->title()));
        QVERIFY(at(view_->title()) < at(view_->box(0)));
        QVERIFY(!view_->marker()->isVisible());
    }

    void pointerShapesMarkTheHandles() {
        QCOMPARE(view_->title()->cursor().shape(), Qt::SizeAllCursor);
        QCOMPARE(view_->separator(3)->cursor().shape(), Qt::SizeHorCursor);
        QCOMPARE(view_->rightEnd()->cursor().shape(), Qt::SizeHorCursor);
        QCOMPARE(view_->box(3)->cursor().shape(), Qt::IBeamCursor);
    }

    void picturesAreShownAtTheirSizeOrStretched() {
        const auto picture = std::make_shared<QtPicture>(QPixmap(30, 33), "test");
        bar().ShowPicture(bar().BorderImg[1], picture);
        bar().ShowPicture(bar().Image2, picture);
        view_->Render();
        QCOMPARE(view_->separator(1)->shownPicture(), picture.get());
        QCOMPARE(view_->separator(1)->size(), QSize(30, 33));
        QCOMPARE(view_->separator(1)->pixmap().size(), QSize(30, 33));
        QCOMPARE(view_->background()->size(), QSize(779, 33));
        QVERIFY(view_->background()->hasScaledContents());
        QVERIFY(!view_->separator(1)->hasScaledContents());
    }

    // Where the bar goes when the model puts it away: into the tray, into the task bar
    // without a tray, and nowhere on a desktop with neither, which is said.
    void aBarPutAwayFollowsTheDesktopsPlaces() {
        bool inTray = true;
        int toldKeptShown = 0;
        view_->SetTrayPresence([&inTray] { return inTray; });
        bar().Visible = false;
        view_->Render();
        QVERIFY(!view_->isVisible());

        inTray = false;
        bar().Visible = true;
        view_->Render();
        bar().Visible = false;
        view_->Render();
        QTRY_VERIFY(view_->isMinimized());
        bar().Visible = true;
        view_->Render();

        view_->SetTrayPresence([&inTray] { return inTray; }, [&toldKeptShown] { ++toldKeptShown; });
        bar().Visible = false;
        view_->Render();
        QVERIFY(bar().Visible);
        QVERIFY(view_->isVisible());
        QVERIFY(!view_->isMinimized());
        QCOMPARE(toldKeptShown, 1);
    }

  private:
    form1& bar() { return windows_->bar; }

    std::unique_ptr<fake::FakePlatform> fake_;
    std::unique_ptr<WindowSet> windows_;
    std::unique_ptr<BarView> view_;
};

}  // namespace zelvo

QTEST_MAIN(zelvo::BarViewTest)
#include "bar_view_test.moc"
