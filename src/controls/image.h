#pragma once

#include "platform/picture.h"

namespace zelvo {

// A picture on a window. Without Stretch it takes the size of the picture put into
// it (see PutPicture); with Stretch it keeps its size and stretches the picture.
struct Image {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    PictureRef Picture;
    bool Visible = true;
    bool Stretch = false;
};

// Gives `image` the picture; a non-stretching image takes the picture's size in
// twips and keeps its left and top edges.
void PutPicture(Image& image, PictureRef picture, float twipsPerPixelX, float twipsPerPixelY);

}  // namespace zelvo
