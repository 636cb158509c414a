#pragma once

#include <QImageReader>
#include <QPixmap>
#include <QString>

#include "platform/picture.h"

namespace zelvo {

// A picture the Qt toolkit loaded. Its pixels are decoded at load, or, for a picture
// that is known to be sound (one built into the program), when they are first asked
// for: most built-in pictures stand behind a skin's own and are never shown.
class QtPicture final : public Picture {
  public:
    QtPicture(QPixmap pixels, std::string origin)
        : Picture(pixels.width(), pixels.height(), std::move(origin)), pixmap_(std::move(pixels)) {}
    QtPicture(QSize size, QString file, std::string origin)
        : Picture(size.width(), size.height(), std::move(origin)), file_(std::move(file)) {}

    // Called on the thread that shows pictures.
    const QPixmap& Pixels() const {
        if (pixmap_.isNull() && !file_.isEmpty()) {
            pixmap_ = QPixmap::fromImage(QImageReader(file_).read());
            file_.clear();
        }
        return pixmap_;
    }

  private:
    mutable QPixmap pixmap_;
    mutable QString file_;
};

// The pixels of a picture the Qt toolkit loaded; a null pixmap for anything else.
inline QPixmap PixmapOf(const PictureRef& picture) {
    const auto* qtPicture = dynamic_cast<const QtPicture*>(picture.get());
    return qtPicture != nullptr ? qtPicture->Pixels() : QPixmap();
}

}  // namespace zelvo
