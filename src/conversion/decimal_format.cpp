#include "conversion/decimal_format.h"

#include <algorithm>
#include <optional>

namespace zelvo {
namespace {

// Magnitudes from 1E+309 up do not exist as doubles; such text is left as typed.
constexpr long kLargestIntegerDigits = 309;
constexpr long kExponentCap = 1'000'000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A number as its significant digits and the position of the decimal point in them:
// value = 0.digits * 10^point, digits without leading zeros (empty for zero).
struct DecimalNumber {
    bool negative = false;
    std::string digits;
    long point = 0;
};

std::optional<DecimalNumber> ParseDecimal(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    DecimalNumber number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        ++i;
    }
    long intDigits = 0;
    int mantissaDigits = 0;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            number.digits.push_back(text[i]);
            ++mantissaDigits;
            if (!seenPoint) {
                ++intDigits;
            }
        } else if (text[i] == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i >= text.size() || !IsDigit(text[i])) {
            return std::nullopt;
        }
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentCap);
        }
        exponent = negativeExponent ? -exponent : exponent;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    const auto firstNonZero = number.digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        number.digits.clear();
        return number;
    }
    number.digits.erase(0, firstNonZero);
    number.point = intDigits - static_cast<long>(firstNonZero) + exponent;
    return number;
}

// Adds one unit in the last place of a digit string; may grow it by one digit.
void IncrementDigits(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

std::string FormatDecimals(std::string_view text, int decimals) {
    const auto number = ParseDecimal(text);
    if (!number || number->point > kLargestIntegerDigits) {
        return std::string(text);
    }
    decimals = std::max(decimals, 0);
    const long keep = number->point + decimals;  // digits kept before rounding
    std::string scaled;                          // the value times 10^decimals, rounded
    if (keep >= 0) {
        const auto available = static_cast<long>(number->digits.size());
        scaled = number->digits.substr(0, static_cast<std::size_t>(std::min(keep, available)));
        scaled.append(static_cast<std::size_t>(std::max(keep - available, 0L)), '0');
        if (keep < available && number->digits[static_cast<std::size_t>(keep)] >= '5') {
            IncrementDigits(scaled);
        }
    }
    const bool isZero = scaled.find_first_not_of('0') == std::string::npos;
    const auto width = static_cast<std::size_t>(decimals) + 1;
    if (scaled.size() < width) {
        scaled.insert(0, width - scaled.size(), '0');
    }
    std::string result = (number->negative && !isZero) ? "-" : "";
    const std::size_t integerDigits = scaled.size() - static_cast<std::size_t>(decimals);
    result.append(scaled, 0, integerDigits);
    result.push_back('.');
    result.append(scaled, integerDigits, std::string::npos);
    return result;
}

}  // namespace zelvo
