#pragma once

#include <string>
#include <string_view>

#include "conversion/unit_table.h"

namespace zelvo {

// What the settings dialog starts with before setting.ini says otherwise.
inline constexpr int kInitialDecimals = 2;
inline constexpr std::string_view kInitialCustomDensity = "0000";
// The range of the decimals arrows.
inline constexpr int kFewestDecimals = 0;
inline constexpr int kMostDecimals = 10;

// The two parameters of a conversion as the settings hold them: the number of
// decimals shown, and the pixel density choice (kDensity96, kDensity72, kDensityCustom
// with the custom density text, or kDensityNone).
struct ConversionChoice {
    int decimals = kInitialDecimals;
    int densityIndex = kDensity96;
    std::string customDensity = std::string(kInitialCustomDensity);
};

}  // namespace zelvo
