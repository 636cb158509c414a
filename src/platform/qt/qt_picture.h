#pragma once

#include <QPixmap>

#include "platform/picture.h"

namespace zelvo {

struct QtPicture final : Picture {
    QtPicture(QPixmap pixels, std::string origin)
        : Picture(pixels.width(), pixels.height(), std::move(origin)), pixmap(std::move(pixels)) {}

    QPixmap pixmap;
};

// The pixels of a picture the Qt toolkit loaded; a null pixmap for anything else.
inline QPixmap PixmapOf(const PictureRef& picture) {
    const auto* qtPicture = dynamic_cast<const QtPicture*>(picture.get());
    return qtPicture != nullptr ? qtPicture->pixmap : QPixmap();
}

}  // namespace zelvo
