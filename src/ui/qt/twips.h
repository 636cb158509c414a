#pragma once

#include <QRect>
#include <cmath>

namespace zelvo {

// Twips are 1/1440 inch; the screen's logical density gives twips per pixel
// (15 at 96 ppi). Pixels are whole, rounded to the nearest, halves to even.
inline int TwipsToPixels(float twips, float twipsPerPixel) {
    return static_cast<int>(std::nearbyint(twips / twipsPerPixel));
}

inline float PixelsToTwips(double pixels, float twipsPerPixel) {
    return static_cast<float>(pixels) * twipsPerPixel;
}

template <typename Control>
QRect PixelRect(const Control& control, float twipsPerPixel) {
    return {TwipsToPixels(control.Left, twipsPerPixel), TwipsToPixels(control.Top, twipsPerPixel),
            TwipsToPixels(control.Width, twipsPerPixel),
            TwipsToPixels(control.Height, twipsPerPixel)};
}

}  // namespace zelvo
