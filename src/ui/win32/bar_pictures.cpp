#include "ui/win32/bar_pictures.h"

#include "ui/win32/dpi.h"
#include "ui/win32/twips_place.h"

namespace zelvo::win32 {

bool operator==(const BarPicture& a, const BarPicture& b) {
    return a.part == b.part && a.index == b.index && ::EqualRect(&a.place, &b.place) != FALSE &&
           a.picture == b.picture && a.visible == b.visible;
}

const Image& ImageOf(const form1& bar, BarPart part, int index) {
    switch (part) {
        case BarPart::Title:
            return bar.topimg;
        case BarPart::Separator:
            return bar.BorderImg.at(static_cast<std::size_t>(index));
        case BarPart::RightEnd:
            return bar.BottomImg;
        case BarPart::Background:
            break;
    }
    return bar.Image2;
}

std::array<BarPicture, kBarPictureCount> BarPictures(const form1& bar, UINT dpi) {
    std::array<BarPicture, kBarPictureCount> pictures;
    std::size_t next = 0;
    const auto add = [&](BarPart part, int index) {
        const Image& image = ImageOf(bar, part, index);
        pictures.at(next++) = {part, index, PixelRect(TwipsOf(image), dpi), image.Picture.get(),
                               image.Visible};
    };
    add(BarPart::Background, 0);
    add(BarPart::RightEnd, 0);
    for (int i = 0; i < kSeparatorCount; ++i) {
        add(BarPart::Separator, i);
    }
    add(BarPart::Title, 0);
    return pictures;
}

std::optional<BarPicture> PictureAt(const form1& bar, POINT client, UINT dpi) {
    const auto pictures = BarPictures(bar, dpi);
    for (auto picture = pictures.rbegin(); picture != pictures.rend(); ++picture) {
        if (picture->visible && ::PtInRect(&picture->place, client) != FALSE) {
            return *picture;
        }
    }
    return std::nullopt;
}

TwipsPoint TwipsOver(const RECT& place, POINT client, UINT dpi) {
    return {PixelsToTwips(client.x - place.left, dpi), PixelsToTwips(client.y - place.top, dpi)};
}

}  // namespace zelvo::win32
