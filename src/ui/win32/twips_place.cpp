#include "ui/win32/twips_place.h"

#include "ui/win32/dpi.h"

namespace zelvo::win32 {

RECT PixelRect(const TwipsRect& place, UINT dpi) {
    const int left = TwipsToPixels(place.left, dpi);
    const int top = TwipsToPixels(place.top, dpi);
    return {left, top, left + TwipsToPixels(place.width, dpi),
            top + TwipsToPixels(place.height, dpi)};
}

RECT PlaceInWindow(std::initializer_list<TwipsRect> chain, UINT dpi) {
    POINT origin{0, 0};
    RECT place{};
    for (const TwipsRect& link : chain) {
        place = PixelRect(link, dpi);
        ::OffsetRect(&place, origin.x, origin.y);
        origin = {place.left, place.top};
    }
    return place;
}

}  // namespace zelvo::win32
