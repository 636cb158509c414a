#include "ui/qt/unit_box_edit.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <limits>

namespace zelvo {

// A box holds whatever is pasted into it, however long: the evaluator takes long
// expressions in linear time, and a text cut short would convert to a wrong value.
UnitBoxEdit::UnitBoxEdit(QWidget* parent) : FilteredLineEdit(parent) {
    setMaxLength(std::numeric_limits<int>::max());
}

void UnitBoxEdit::focusInEvent(QFocusEvent* event) {
    FilteredLineEdit::focusInEvent(event);
    focusClick_ = event->reason() == Qt::MouseFocusReason;
    emit FocusGained();
}

void UnitBoxEdit::mousePressEvent(QMouseEvent* event) {
    if (focusClick_) {
        event->accept();
        return;
    }
    FilteredLineEdit::mousePressEvent(event);
}

void UnitBoxEdit::mouseMoveEvent(QMouseEvent* event) {
    if (focusClick_) {
        event->accept();
        return;
    }
    FilteredLineEdit::mouseMoveEvent(event);
}

void UnitBoxEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (focusClick_) {
        focusClick_ = false;
        event->accept();
        return;
    }
    FilteredLineEdit::mouseReleaseEvent(event);
}

void UnitBoxEdit::keyPressEvent(QKeyEvent* event) {
    const bool shiftF10 = event->key() == Qt::Key_F10 &&
                          (event->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
    if (event->key() == Qt::Key_Menu || shiftF10) {
        event->accept();
        emit MenuKeyPressed();
        return;
    }
    FilteredLineEdit::keyPressEvent(event);
}

void UnitBoxEdit::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard) {
        event->accept();
        emit MenuKeyPressed();
        return;
    }
    FilteredLineEdit::contextMenuEvent(event);
}

}  // namespace zelvo
