#include "platform/eval/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace zelvo {
namespace {

// The largest magnitude with 15 significant digits that is still a finite double;
// rounding anything above it to 15 digits would give a text that overflows.
constexpr double kLargestRenderable = 1.79769313486231E+308;

}  // namespace

std::string RenderNumber(double value) {
    if (value == 0.0) {
        return "0";
    }
    if (std::fabs(value) > kLargestRenderable) {
        value = std::copysign(kLargestRenderable, value);
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

}  // namespace zelvo
