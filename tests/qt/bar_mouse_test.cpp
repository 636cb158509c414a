#include <QGuiApplication>
#include <QTest>
#include <memory>

#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "ui/qt/bar_view.h"
#include "platform/qt/qt_window_ops.h"

namespace zelvo {

// Pointer events on the bar's pictures reach the drag handlers in twips relative to
// the pressed picture, and the bar keeps the mouse until the release.
class BarMouseTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        fake_ = std::make_unique<fake::FakePlatform>();
        platform_ = std::make_unique<Platform>(
            Platform{fake_->evaluator, fake_->toolkit, fake_->folders, windowOps_, fake_->textFiles,
                     fake_->globalHotKey, fake_->trayIcon, fake_->shell, fake_->processLauncher,
                     fake_->registry, fake_->paths, fake_->autostart});
        windows_ = std::make_unique<WindowSet>(*platform_);
        view_ =
            std::make_unique<BarView>(windows_->bar, fake_->toolkit, [this] { view_->Render(); });
        windowOps_.AttachBar(view_.get());
        bar().Left = 1500;
        bar().Top = 1500;
        bar().Visible = true;
        view_->Render();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    }
    void cleanup() {
        view_.reset();
        windows_.reset();
        platform_.reset();
        fake_.reset();
    }

    void separatorDragMovesTheMarkerAndKeepsTheMouse() {
        QWidget* separator = view_->separator(2);  // 345..371 pixels
        QTest::mousePress(separator, Qt::LeftButton, {}, QPoint(13, 5));
        QCOMPARE(bar().BorderDragging, -1);
        QVERIFY(view_->marker()->isVisible());
        QVERIFY(!separator->isVisible());
        QVERIFY(!view_->box(2)->isVisible());
        QCOMPARE(QWidget::mouseGrabber(), view_.get());

        QTest::mouseMove(view_.get(), QPoint(300, 5));  // 45 pixels left of the separator
        QCOMPARE(bar().BBox.Left, 5175.0F - 45 * 15 - 195);
        QCOMPARE(view_->marker()->geometry().left(), 287);

        QTest::mouseRelease(view_.get(), Qt::LeftButton, {}, QPoint(300, 5));
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        QCOMPARE(bar().text1[2].Width, 4305.0F - 3840);
        QVERIFY(separator->isVisible());
        QVERIFY(!view_->marker()->isVisible());
        QCOMPARE(view_->box(2)->width(), 31);
    }

    void rightEndDragFollowsThePointerOutsideTheBar() {
        QTest::mousePress(view_->rightEnd(), Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(!view_->box(6)->isVisible());
        QTest::mouseMove(view_.get(), QPoint(905, 4));  // 100 pixels right of its left edge
        QCOMPARE(bar().BottomImg.Left, 12075.0F + 1500);
        QCOMPARE(view_->width(), 939);
        QTest::mouseRelease(view_.get(), Qt::LeftButton, {}, QPoint(905, 4));
        QCOMPARE(bar().text1[6].Width, 1335.0F + 1500);
        QVERIFY(view_->box(6)->isVisible());
    }

    void titleDragMovesTheWindow() {
        QTest::mousePress(view_->title(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(view_.get(), QPoint(35, 25), -1);
        QCOMPARE(bar().Left, 1500.0F + 30 * 15);
        QCOMPARE(bar().Top, 1500.0F + 20 * 15);
        QCOMPARE(view_->pos(), QPoint(130, 120));
        QTest::mouseRelease(view_.get(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
    }

    void doubleClickOnTheTitleTogglesTopmost() {
        QTest::mouseDClick(view_->title(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(windows_->dialog.Check2.Value, 1);
        QVERIFY(windowOps_.barKeepAbove());
        QCOMPARE(view_->pos(), QPoint(100, 100));
        QTest::mouseDClick(view_->title(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(windows_->dialog.Check2.Value, 0);
        QVERIFY(!windowOps_.barKeepAbove());
    }

    void onlyAMoveAfterTheBarWasPlacedBecomesItsPosition() {
        bar().Top = 1507.5F;  // 100.5 pixels: shown at 100
        view_->Render();
        QCOMPARE(bar().Top, 1507.5F);  // its own placement keeps the exact twips
        view_->move(0, 0);             // the window manager on its way (re-parenting)
        QCOMPARE(bar().Left, 1500.0F);
        QCOMPARE(bar().Top, 1507.5F);

        view_->move(100, 100);  // the manager reports the place the bar asked for
        view_->move(200, 300);  // after the window got there: the user's move
        QCOMPARE(bar().Left, 3000.0F);
        QCOMPARE(bar().Top, 4500.0F);
        view_->Render();
        QCOMPARE(view_->pos(), QPoint(200, 300));
    }

    void aPlaceAtTheCornerIsAskedForBeforeTheFirstShow() {
        BarView fresh(windows_->bar, fake_->toolkit, [] {});
        bar().Left = 0;
        bar().Top = 0;
        bar().Visible = false;
        fresh.Render();
        QVERIFY(fresh.testAttribute(Qt::WA_Moved));
        QCOMPARE(fresh.geometry(), QRect(0, 0, 839, 35));
    }

    void dragsKeepThePressedPicturesPointer() {
        QTest::mousePress(view_->title(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(QGuiApplication::overrideCursor() != nullptr);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::SizeAllCursor);
        QTest::mouseRelease(view_.get(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

        QTest::mousePress(view_->separator(1), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::SizeHorCursor);
        QTest::mouseRelease(view_.get(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mousePress(view_->rightEnd(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::SizeHorCursor);
        QTest::mouseRelease(view_.get(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void clientPointsMapThroughTheWindow() {
        const PixelPoint screen = windowOps_.BarClientToScreen({7, 3});
        QCOMPARE(screen.x, 107);
        QCOMPARE(screen.y, 103);
    }

  private:
    form1& bar() { return windows_->bar; }

    QtWindowOps windowOps_;
    std::unique_ptr<fake::FakePlatform> fake_;
    std::unique_ptr<Platform> platform_;
    std::unique_ptr<WindowSet> windows_;
    std::unique_ptr<BarView> view_;
};

}  // namespace zelvo

QTEST_MAIN(zelvo::BarMouseTest)
#include "bar_mouse_test.moc"
