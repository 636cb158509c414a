#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelvo {

// A single-precision value as the settings file writes it: plain decimal text with
// at most seven significant digits, "-" for negatives, a fraction only when the
// value is not whole, never an exponent and never "-0".
std::string SingleText(float value);

// The conversions of the settings file's values; nullopt when the text does not
// convert. A number is decimal text with an optional sign and fraction ("." as the
// point) and blanks around it; an integer is a number rounded to the nearest whole
// number, halves to even, within 16 bits; a Boolean is "True" or "False" in any
// letter case, or a number (0 is False).
std::optional<double> ParseNumber(std::string_view text);
std::optional<int> ParseInteger(std::string_view text);
std::optional<bool> ParseBoolean(std::string_view text);

inline std::string BooleanText(bool value) {
    return value ? "True" : "False";
}

}  // namespace zelvo
