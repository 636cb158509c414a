#include "ui/qt/up_down_arrows.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace zelvo {
namespace {

// To a screen reader the arrows are one spin button, named by the dialog.
QAccessibleInterface* ArrowsAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("zelvo::UpDownArrows") && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::SpinBox);
    }
    return nullptr;
}

}  // namespace

UpDownArrows::UpDownArrows(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    QAccessible::installFactory(ArrowsAccessible);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    setFocusPolicy(Qt::StrongFocus);
    connect(up_, &QToolButton::clicked, this, &UpDownArrows::Up);
    connect(down_, &QToolButton::clicked, this, &UpDownArrows::Down);
}

void UpDownArrows::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A pixel all round is left for the focus frame.
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    const int upper = inner.height() / 2;
    up_->setGeometry(inner.x(), inner.y(), inner.width(), upper);
    down_->setGeometry(inner.x(), inner.y() + upper, inner.width(), inner.height() - upper);
}

void UpDownArrows::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up) {
        emit Up();
    } else if (event->key() == Qt::Key_Down) {
        emit Down();
    } else {
        QWidget::keyPressEvent(event);
    }
}

// The arrows with the focus are drawn inside a focus frame.
void UpDownArrows::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

}  // namespace zelvo
