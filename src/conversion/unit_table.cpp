#include "conversion/unit_table.h"

namespace zelvo {
namespace {

std::string DensityText(int densityIndex, std::string_view customDensity) {
    switch (densityIndex) {
        case kDensity96:
            return "96";
        case kDensity72:
            return "72";
        default:
            return std::string(customDensity);
    }
}

}  // namespace

std::string PixelToMmFactor(int densityIndex, std::string_view customDensity) {
    if (densityIndex == kDensityNone) {
        return {};
    }
    return "*25.4/" + DensityText(densityIndex, customDensity);
}

std::array<std::string, kUnitBoxCount> FromMmSuffixes(int densityIndex,
                                                      std::string_view customDensity) {
    std::array<std::string, kUnitBoxCount> suffixes = {"",        "*1", "*4",   "*2.8353",
                                                       "*0.0394", "",   "*56.7"};
    if (densityIndex != kDensityNone) {
        suffixes[kPixelBox] = "/25.4*" + DensityText(densityIndex, customDensity);
    }
    return suffixes;
}

}  // namespace zelvo
