#include "ui/qt/bar_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QMoveEvent>

#include "bar/accessible_names.h"
#include "platform/qt/x11_connection.h"
#include "platform/safe_call.h"
#include "platform/x11/window_state.h"
#include "ui/qt/fonts.h"
#include "ui/qt/text_sync.h"
#include "ui/qt/twips.h"

namespace zelvo {
namespace {

constexpr qreal kUnitBoxPointSize = 11.25;
// How long after the bar asked for a place the window manager may still report
// others on its way there (mapping, re-parenting, lagging configure events).
constexpr int kSettleMilliseconds = 1500;

// The bar is a window of its own to a screen reader (a plain widget would be a
// "filler"), named as the program.
QAccessibleInterface* BarAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("zelvo::BarView") && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

int ButtonCode(Qt::MouseButtons buttons) {
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) |
           (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
           (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

}  // namespace

BarView::BarView(form1& bar, const Toolkit& toolkit, std::function<void()> changed,
                 std::function<void()> beforeShow, std::function<void()> afterShow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      bar_(bar),
      toolkit_(toolkit),
      changed_(std::move(changed)),
      beforeShow_(std::move(beforeShow)),
      afterShow_(std::move(afterShow)),
      background_(new PictureLabel(this)),
      rightEnd_(new PictureLabel(this)),
      marker_(new QFrame(this)),
      title_(new PictureLabel(this)),
      notice_(new ResultsNotice(this)) {
    QAccessible::installFactory(BarAccessible);
    setWindowTitle(QStringLiteral("Zelvo"));
    setAccessibleName(QString::fromUtf8(kBarAccessibleName.data(),
                                        static_cast<qsizetype>(kBarAccessibleName.size())));

    // Created back to front: later siblings are drawn over earlier ones.
    for (auto& separator : separators_) {
        separator = new PictureLabel(this);
        separator->setCursor(Qt::SizeHorCursor);
    }
    rightEnd_->setCursor(Qt::SizeHorCursor);
    background_->lower();
    rightEnd_->stackUnder(separators_[0]);
    marker_->setFrameShape(QFrame::Box);
    marker_->setLineWidth(2);
    marker_->raise();
    title_->setCursor(Qt::SizeAllCursor);
    title_->raise();
    title_->installEventFilter(this);
    rightEnd_->installEventFilter(this);
    for (PictureLabel* separator : separators_) {
        separator->installEventFilter(this);
    }

    const QFont font = PGothicFont(kUnitBoxPointSize, true);
    for (int i = 0; i < kUnitBoxCount; ++i) {
        auto* box = new UnitBoxEdit(this);
        boxes_.at(static_cast<std::size_t>(i)) = box;
        box->setFont(font);
        box->setFrame(false);
        box->setTextMargins(2, 0, 2, 0);
        box->setContentsMargins(0, 0, 0, 0);
        box->raise();
        ConnectBox(i);
    }
    for (int i = 0; i + 1 < kUnitBoxCount; ++i) {
        setTabOrder(box(i), box(i + 1));
    }
    // The boxes are named by their units; the unit captions are the separators'
    // pictures and the right end's, each named as the box it captions; the title is
    // the program's.
    const auto name = [](int index) {
        const std::string_view text = kUnitBoxAccessibleNames.at(static_cast<std::size_t>(index));
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    };
    for (int i = 0; i < kUnitBoxCount; ++i) {
        box(i)->setAccessibleName(name(i));
    }
    for (int i = 0; i < kSeparatorCount; ++i) {
        separator(i)->setAccessibleName(name(i));
    }
    rightEnd_->setAccessibleName(name(kUnitBoxCount - 1));
    title_->setAccessibleName(windowTitle());
}

void BarView::ConnectBox(int index) {
    UnitBoxEdit* edit = box(index);
    edit->SetKeyHandler(
        [this, index](int& keyAscii) { SafeCall([&] { bar_.text1_KeyPress(index, keyAscii); }); });
    connect(edit, &UnitBoxEdit::KeyHandled, this, [this] { changed_(); });
    connect(edit, &UnitBoxEdit::FocusGained, this, [this, index] {
        SafeCall([&] { bar_.text1_GotFocus(index); });
        changed_();
    });
    const auto copyToModel = [this, index] {
        if (!rendering_) {
            CopyBoxToModel(*box(index), bar_.text1.at(static_cast<std::size_t>(index)));
        }
    };
    connect(edit, &UnitBoxEdit::MenuKeyPressed, this, [this, index] {
        UnitBoxEdit* focused = box(index);
        if (menuAt_) {
            menuAt_(focused->mapToGlobal(QPoint(0, focused->height())));
        }
        SafeCall([&] { bar_.text1_MenuKey(index); });
        changed_();
    });
    connect(edit, &QLineEdit::textChanged, this, copyToModel);
    connect(edit, &QLineEdit::selectionChanged, this, copyToModel);
    connect(edit, &QLineEdit::cursorPositionChanged, this, copyToModel);
}

// Position and size go together in one request, so that a resize never sends a
// position the window system had reported before it took the last move in. The first
// request also names the place when it is 0,0: a window that was moved carries its
// position to the window manager as the user's choice.
void BarView::PlaceWindow() {
    const float tpp = toolkit_.TwipsPerPixelX();
    const QRect window(TwipsToPixels(bar_.Left, tpp), TwipsToPixels(bar_.Top, tpp),
                       TwipsToPixels(bar_.Width, tpp), TwipsToPixels(bar_.Height, tpp));
    if (asked_ == window && geometry() == window) {
        return;
    }
    asked_ = window;
    settling_.setRemainingTime(kSettleMilliseconds);
    setGeometry(window);
}

void BarView::Render() {
    rendering_ = true;
    const float tpp = toolkit_.TwipsPerPixelX();
    PlaceWindow();

    background_->Render(bar_.Image2, tpp);
    rightEnd_->Render(bar_.BottomImg, tpp);
    for (int i = 0; i < kSeparatorCount; ++i) {
        separator(i)->Render(bar_.BorderImg.at(static_cast<std::size_t>(i)), tpp);
    }
    marker_->setGeometry(PixelRect(bar_.BBox, tpp));
    marker_->setVisible(bar_.BBox.Visible);
    title_->Render(bar_.topimg, tpp);

    for (int i = 0; i < kUnitBoxCount; ++i) {
        const TextBox& model = bar_.text1.at(static_cast<std::size_t>(i));
        UnitBoxEdit* edit = box(i);
        edit->setGeometry(PixelRect(model, tpp));
        edit->setToolTip(QString::fromStdString(model.ToolTipText));
        edit->setEnabled(model.Enabled);
        edit->setVisible(model.Visible);
        CopyModelToBox(model, *edit);
    }
    RenderVisibility();
    AnnounceResults();
    rendering_ = false;
}

void BarView::AnnounceResults() {
    int focused = -1;
    for (int i = 0; i < kUnitBoxCount; ++i) {
        if (box(i)->hasFocus()) {
            focused = i;
        }
    }
    const std::string results = announcer_.Next(bar_, focused);
    if (!results.empty()) {
        notice_->Announce(QString::fromStdString(results));
    }
}

void BarView::RenderVisibility() {
    if (!bar_.Visible) {
        if (!inTray_ || inTray_()) {
            hide();
            return;
        }
        if (!keptShown_) {
            if (!isMinimized()) {
                showMinimized();
            }
            return;
        }
        bar_.Visible = true;
        keptShown_();
    }
    const bool showing = !isVisible() || isMinimized();
    if (!showing) {
        return;
    }
    settling_.setRemainingTime(kSettleMilliseconds);
    if (beforeShow_) {
        beforeShow_();
    }
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    if (afterShow_) {
        afterShow_();
    }
}

void BarView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    const bool stateOrFocus =
        event->type() == QEvent::WindowStateChange || event->type() == QEvent::ActivationChange;
    if (stateOrFocus && !isMinimized()) {
        AdoptShownState();
    }
}

// The toolkit hears of states late and out of order (the pop-up menu closing hands
// the focus back to a bar being minimised): the X server says what is so.
void BarView::AdoptShownState() {
    if (rendering_ || bar_.Visible || !isVisible()) {
        return;
    }
    xcb_connection_t* connection = X11Connection();
    const bool shown = connection != nullptr ? x11::IsShownByWindowManager(
                                                   connection, static_cast<xcb_window_t>(winId()))
                                             : isActiveWindow() && !isMinimized();
    if (shown) {
        bar_.Visible = true;
        changed_();
    }
}

QPointF BarView::TwipsOver(const QWidget* picture, QPointF windowPixels) const {
    const QPointF local = windowPixels - QPointF(picture->geometry().topLeft());
    return {local.x() * toolkit_.TwipsPerPixelX(), local.y() * toolkit_.TwipsPerPixelY()};
}

bool BarView::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (!press && !doubleClick) {
        return QWidget::eventFilter(watched, event);
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == title_) {
        if (doubleClick) {
            SafeCall([&] { bar_.topimg_DblClick(); });
            changed_();
        } else {
            PressOn(Handle::Title, 0, mouse);
        }
        return true;
    }
    if (doubleClick) {
        return true;  // a second press on a separator starts no drag
    }
    if (watched == rightEnd_) {
        PressOn(Handle::RightEnd, 0, mouse);
        return true;
    }
    for (int i = 0; i < kSeparatorCount; ++i) {
        if (watched == separator(i)) {
            PressOn(Handle::Separator, i, mouse);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* BarView::PictureOf(Handle handle, int separatorIndex) const {
    switch (handle) {
        case Handle::Title:
            return title_;
        case Handle::Separator:
            return separator(separatorIndex);
        case Handle::RightEnd:
            return rightEnd_;
        case Handle::None:
            break;
    }
    return nullptr;
}

// The window takes the mouse until the release, so that the pressed picture gets
// every move and the release even while it is hidden or the pointer is elsewhere.
void BarView::PressOn(Handle handle, int separator, QMouseEvent* event) {
    const int button = ButtonCode(event->button());
    const int shift = ShiftCode(event->modifiers());
    const QPointF twips =
        TwipsOver(PictureOf(handle, separator), mapFromGlobal(event->globalPosition()));
    const auto x = static_cast<float>(twips.x());
    const auto y = static_cast<float>(twips.y());
    SafeCall([&] {
        if (handle == Handle::Title) {
            bar_.topimg_MouseDown(button, shift, x, y);
        } else if (handle == Handle::Separator) {
            bar_.BorderImg_MouseDown(separator, button, shift, x, y);
        } else {
            bar_.BottomImg_MouseDown(button, shift, x, y);
        }
    });
    const bool menuOpened = handle == Handle::Title && button == kRightButton;
    if (!menuOpened) {
        pressed_ = handle;
        pressedSeparator_ = separator;
        // The pressed picture's pointer shape holds for the whole drag, wherever the
        // pointer goes.
        grabMouse(PictureOf(handle, separator)->cursor());
    }
    changed_();
}

void BarView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (rendering_ || !isVisible() || !asked_) {
        return;
    }
    const QPoint place = event->pos();
    if (place == asked_->topLeft()) {
        settling_.setRemainingTime(0);
        return;
    }
    if (!settling_.hasExpired() || pressed_ != Handle::None) {
        return;
    }
    const float tpp = toolkit_.TwipsPerPixelX();
    bar_.Left = PixelsToTwips(place.x(), tpp);
    bar_.Top = PixelsToTwips(place.y(), tpp);
    asked_->moveTopLeft(place);
}

void BarView::closeEvent(QCloseEvent* event) {
    event->ignore();
    SafeCall([&] { bar_.pulldown1_end_Click(); });
    changed_();
}

void BarView::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ == Handle::None) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const int buttons = ButtonCode(event->buttons());
    const int shift = ShiftCode(event->modifiers());
    const QPointF twips = TwipsOver(PictureOf(pressed_, pressedSeparator_), event->position());
    const auto x = static_cast<float>(twips.x());
    const auto y = static_cast<float>(twips.y());
    SafeCall([&] {
        if (pressed_ == Handle::Title) {
            bar_.topimg_MouseMove(buttons, shift, x, y);
        } else if (pressed_ == Handle::Separator) {
            bar_.BorderImg_MouseMove(pressedSeparator_, buttons, shift, x, y);
        } else {
            bar_.BottomImg_MouseMove(buttons, shift, x, y);
        }
    });
    changed_();
}

void BarView::mouseReleaseEvent(QMouseEvent* event) {
    if (pressed_ == Handle::None) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const Handle released = pressed_;
    pressed_ = Handle::None;
    releaseMouse();
    const int button = ButtonCode(event->button());
    const int shift = ShiftCode(event->modifiers());
    const QPointF twips = TwipsOver(PictureOf(released, pressedSeparator_), event->position());
    const auto x = static_cast<float>(twips.x());
    const auto y = static_cast<float>(twips.y());
    SafeCall([&] {
        if (released == Handle::Separator) {
            bar_.BorderImg_MouseUp(pressedSeparator_, button, shift, x, y);
        } else if (released == Handle::RightEnd) {
            bar_.BottomImg_MouseUp(button, shift, x, y);
        }
    });
    changed_();
}

}  // namespace zelvo
