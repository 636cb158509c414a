#include "controls/image.h"

#include <utility>

namespace zelvo {

void PutPicture(Image& image, PictureRef picture, float twipsPerPixelX, float twipsPerPixelY) {
    if (picture && !image.Stretch) {
        image.Width = static_cast<float>(picture->width) * twipsPerPixelX;
        image.Height = static_cast<float>(picture->height) * twipsPerPixelY;
    }
    image.Picture = std::move(picture);
}

}  // namespace zelvo
