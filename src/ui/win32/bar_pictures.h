#pragma once

#include <array>
#include <optional>

#include "bar/form1.h"
#include "platform/win32/windows_api.h"

namespace zelvo::win32 {

// The pictures of the bar as the window draws them. All but the background are
// handles the mouse drags: the title moves the bar, a separator or the right end
// resizes it.
enum class BarPart { Background, RightEnd, Separator, Title };

struct BarPicture {
    BarPart part = BarPart::Background;
    int index = 0;  // the separator's index; 0 for the other parts
    RECT place{};   // in client pixels
    const Picture* picture = nullptr;
    bool visible = false;
};

bool operator==(const BarPicture& a, const BarPicture& b);

inline constexpr int kBarPictureCount = kSeparatorCount + 3;

// The Image model of a part.
const Image& ImageOf(const form1& bar, BarPart part, int index);

// Back to front: the stretched background, the right end, the separators from 0 to 5
// and the title, each where its model puts it at `dpi`.
std::array<BarPicture, kBarPictureCount> BarPictures(const form1& bar, UINT dpi);

// The frontmost shown picture under a point of the client area, if any.
std::optional<BarPicture> PictureAt(const form1& bar, POINT client, UINT dpi);

// A point of the client area in twips relative to the top left corner of `place`, as
// the mouse handlers take it.
struct TwipsPoint {
    float x = 0;
    float y = 0;
};
TwipsPoint TwipsOver(const RECT& place, POINT client, UINT dpi);

}  // namespace zelvo::win32
