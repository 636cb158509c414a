#pragma once

#include <algorithm>
#include <cmath>

namespace zelvo {

// Rounds to whole twips, halves to the even number. Geometry is held in 32 bits,
// wide enough for any screen; values beyond a billion twips (some 11 km) are
// clamped so that no conversion can overflow.
inline int WholeTwips(double twips) {
    constexpr double kLimit = 1e9;
    if (std::isnan(twips)) {
        return 0;
    }
    return static_cast<int>(std::nearbyint(std::clamp(twips, -kLimit, kLimit)));
}

}  // namespace zelvo
