#pragma once

#include <QDeadlineTimer>
#include <QFrame>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "bar/form1.h"
#include "bar/results_announcer.h"
#include "ui/qt/picture_label.h"
#include "ui/qt/results_notice.h"
#include "ui/qt/unit_box_edit.h"

namespace zelvo {

// The bar on screen: a frameless window of pictures with the unit boxes in front.
class BarView : public QWidget {
    Q_OBJECT
  public:
    // `changed` is called after every event this view passed to the model;
    // `beforeShow` each time the hidden bar is about to be shown, `afterShow` right
    // after it was.
    BarView(form1& bar, const Toolkit& toolkit, std::function<void()> changed,
            std::function<void()> beforeShow = {}, std::function<void()> afterShow = {});

    void Render();
    // A bar the model hides but the window manager shows (brought back from the task
    // bar) is shown in the model too. Asked also before each outside event is handled,
    // as the window manager's word may still be on its way.
    void AdoptShownState();

    // Whether a hidden bar can be called back from a tray icon. Without one, a bar the
    // model hides is minimised instead, so that the task bar or dock keeps it in reach;
    // on a desktop that has neither (`keptShown` given), it stays shown, and
    // `keptShown` is called, while rendering (it must open no window itself).
    void SetTrayPresence(std::function<bool()> inTray, std::function<void()> keptShown = {}) {
        inTray_ = std::move(inTray);
        keptShown_ = std::move(keptShown);
    }

    // Where a menu asked for from the keyboard is to open: the view names the point,
    // the toolkit opens the model's next menu there.
    void SetMenuAnchor(std::function<void(QPoint)> menuAt) { menuAt_ = std::move(menuAt); }

    UnitBoxEdit* box(int index) const { return boxes_.at(static_cast<std::size_t>(index)); }
    PictureLabel* title() const { return title_; }
    PictureLabel* separator(int index) const {
        return separators_.at(static_cast<std::size_t>(index));
    }
    PictureLabel* rightEnd() const { return rightEnd_; }
    PictureLabel* background() const { return background_; }
    QFrame* marker() const { return marker_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The window manager's close (Alt+F4) ends the program as 終了 does.
    void closeEvent(QCloseEvent* event) override;
    // A move the user made through the window manager (Alt+drag) becomes the bar's
    // position, so that it is kept and written at exit. The places the manager
    // reports while it maps, re-parents or catches up with a move the bar asked for
    // are its own steps and change nothing.
    void moveEvent(QMoveEvent* event) override;
    // See AdoptShownState. (A bar the user minimises stays shown in the model; the
    // hot key or --show activates it, which brings it back.)
    void changeEvent(QEvent* event) override;

  private:
    // The picture a press started on; it gets the moves and the release.
    enum class Handle { None, Title, Separator, RightEnd };

    void ConnectBox(int index);
    // After a conversion (boxes other than the focused one filled), a screen reader
    // hears the results once, as a notification.
    void AnnounceResults();
    void PlaceWindow();
    void RenderVisibility();
    void PressOn(Handle handle, int separator, QMouseEvent* event);
    QWidget* PictureOf(Handle handle, int separatorIndex) const;
    QPointF TwipsOver(const QWidget* picture, QPointF windowPixels) const;

    form1& bar_;
    const Toolkit& toolkit_;
    std::function<void()> changed_;
    std::function<void()> beforeShow_;
    std::function<void()> afterShow_;
    std::function<bool()> inTray_;
    std::function<void()> keptShown_;
    std::function<void(QPoint)> menuAt_;
    ResultsAnnouncer announcer_;
    bool rendering_ = false;
    // The window rectangle last asked of the window system, in pixels, and until
    // when the places it reports may still be its way there.
    std::optional<QRect> asked_;
    QDeadlineTimer settling_;
    Handle pressed_ = Handle::None;
    int pressedSeparator_ = 0;

    PictureLabel* background_;
    PictureLabel* rightEnd_;
    std::array<PictureLabel*, kSeparatorCount> separators_{};
    QFrame* marker_;
    PictureLabel* title_;
    ResultsNotice* notice_;
    std::array<UnitBoxEdit*, kUnitBoxCount> boxes_{};
};

}  // namespace zelvo
