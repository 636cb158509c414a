#include "ui/qt/picture_label.h"

#include <QPainter>
#include <cmath>

#include "platform/qt/qt_picture.h"
#include "ui/qt/twips.h"

namespace zelvo {

void DrawPicture(QPainter& painter, const QPixmap& picture, const QRectF& target) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio != std::round(ratio));
    painter.drawPixmap(target, picture, QRectF(picture.rect()));
}

PictureLabel::PictureLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureLabel::Render(const Image& image, float twipsPerPixel) {
    if (image.Picture.get() != shown_) {
        shown_ = image.Picture.get();
        setPixmap(PixmapOf(image.Picture));
    }
    setScaledContents(image.Stretch);
    const QRect place = PixelRect(image, twipsPerPixel);
    if (geometry() != place) {
        setGeometry(place);
    }
    setVisible(image.Visible);
}

void PictureLabel::paintEvent(QPaintEvent* /*event*/) {
    const QPixmap picture = pixmap();
    if (picture.isNull()) {
        return;
    }
    QPainter painter(this);
    DrawPicture(
        painter, picture,
        hasScaledContents() ? QRectF(rect()) : QRectF(QPointF(), picture.deviceIndependentSize()));
}

}  // namespace zelvo
