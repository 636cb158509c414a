#pragma once

#include <array>
#include <string>
#include <string_view>

#include "conversion/unit_table.h"

namespace zelvo {

class form1;

// What a screen reader calls the bar and its boxes, in both programs: each unit box
// by its unit in Japanese and English, the expression box as such.
inline constexpr std::string_view kBarAccessibleName = "Zelvo";
inline constexpr std::array<std::string_view, kUnitBoxCount> kUnitBoxAccessibleNames = {
    "計算式 / expression", "mm", "Q", "ポイント / pt", "インチ / inch", "ピクセル / px",
    "トゥイップ / twip"};

// The six results as one line to be read out after a conversion, the box that has
// the focus first, then the others in the bar's order: "mm 25.40、Q 101.60、…".
// Empty boxes are left out; empty when all are.
std::string ResultsForScreenReader(const form1& bar, int focusedBox);

}  // namespace zelvo
