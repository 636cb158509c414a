#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/conversion_choice.h"
#include "conversion/unit_table.h"
#include "settings/stored_conversion_choice.h"

namespace zelvo {

// The units' symbols, indexed like the unit boxes (index 0, the expression box, has none).
inline constexpr std::array<std::string_view, kUnitBoxCount> kUnitSymbols = {
    "", "mm", "Q", "pt", "in", "px", "twip"};

// One unit's result: its unit box (1 mm, 2 Q, 3 pt, 4 in, 5 px, 6 twip), the value as
// the box would show it, and the unit's symbol.
struct LengthResult {
    int box = 0;
    std::string value;
    std::string unit;
};

// The six results in the bar's order, or the text of the notice the bar would show.
struct LengthAnswer {
    std::vector<LengthResult> results;
    std::string message;
    // The unit of a term that is one number with one unit (12q, 1 inch); 0 for a bare
    // number and for an expression.
    int typedBox = 0;

    bool ok() const { return message.empty(); }
};

// Converts `text` as the bar's expression box converts what is typed into it (a
// number alone is millimetres, 10+5q is 10 mm and 5 Q), after reading unit words and
// the Japanese unit names as their unit letter (10pt is ten points, 1 inch one inch),
// with the decimals and the pixel density of `choice`. Blanks around the text do not
// count.
LengthAnswer ConvertLength(std::string_view text, const ConversionChoice& choice);

// Whether a search term reads as a length: numbers each followed by at most one unit,
// joined by + - * / and parentheses, with at least one unit among them (25.4mm, 12q,
// 1 inch, (10+5)*2q, 12級). Plain words and numbers, dates, versions, times, phone
// numbers and anything else never do.
bool ReadsAsLength(std::string_view term);

}  // namespace zelvo
