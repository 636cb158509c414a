#pragma once

#include <string>
#include <string_view>

namespace zelvo {

// Shows a number text with exactly `decimals` digits after the point ("0." pattern):
// rounded half away from zero on the decimal digits of the text itself, at least one
// digit before the point, the point always present (12.5 at 0 decimals is "13."),
// exponent input written out in full, and no minus sign on a value that rounds to
// zero. A number is an optional sign, digits with an optional "." fraction and an
// optional exponent (E or e), with blanks allowed around it. Text that is not such
// a number, or whose magnitude lies beyond double range, is returned unchanged.
std::string FormatDecimals(std::string_view text, int decimals);

}  // namespace zelvo
