#pragma once

#include <string>

namespace zelvo {

// Renders a finite value (the evaluator never yields another) as the evaluator's result text: at
// most 15 significant digits, "." as decimal point, and E with a signed exponent of two or more
// digits for very large and very small magnitudes (1.5E-05, 1E+20). Never "-0". The text reads back
// through the evaluator as a value that renders to the same text.
std::string RenderNumber(double value);

}  // namespace zelvo
