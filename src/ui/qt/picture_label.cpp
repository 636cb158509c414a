#include "ui/qt/picture_label.h"

#include "platform/qt/qt_picture.h"
#include "ui/qt/twips.h"

namespace zelvo {

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

}  // namespace zelvo
