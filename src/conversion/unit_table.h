#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zelvo {

// Unit boxes by index: 0 the expression box, then mm, Q, point, inch, pixel, twip.
inline constexpr int kUnitBoxCount = 7;
inline constexpr int kExpressionBox = 0;
inline constexpr int kPixelBox = 5;

inline constexpr std::array<std::string_view, kUnitBoxCount> kUnitBoxToolTips = {
    "式で換算", "MMを換算", "Qを換算", "Pointを換算", "Inchを換算", "Pixelを換算", "Twipを換算"};

// The letter that marks a number as being in the box's unit.
inline constexpr std::array<std::string_view, kUnitBoxCount> UnitLetters = {"",  "M", "Q", "P",
                                                                            "I", "E", "T"};

struct LetterFactor {
    std::string_view letter;
    std::string_view toMm;
};

// Replacements that turn unit letters into factors to millimetres, applied in this
// order; the pixel letter "E" depends on the density and comes afterwards.
inline constexpr std::array<LetterFactor, 5> kLetterFactorsToMm = {
    {{"M", "*1"}, {"Q", "*0.25"}, {"I", "*25.4"}, {"P", "*0.3527"}, {"T", "*0.0176"}}};

inline constexpr std::string_view kPixelLetter = "E";

// Pixel density choices: 0 = 96 ppi, 1 = 72 ppi, 2 = custom text, 3 = none selected.
inline constexpr int kDensity96 = 0;
inline constexpr int kDensity72 = 1;
inline constexpr int kDensityCustom = 2;
inline constexpr int kDensityNone = 3;

// What replaces the pixel letter; empty when the letter stays (no density chosen).
std::string PixelToMmFactor(int densityIndex, std::string_view customDensity);

// The suffix that turns a millimetre value into each unit, indexed like the boxes.
std::array<std::string, kUnitBoxCount> FromMmSuffixes(int densityIndex,
                                                      std::string_view customDensity);

}  // namespace zelvo
