// Decimal formatting of any text at 0 to 10 decimals against a rounder of its own:
// the text is written out as a plain digit string, five is added one place past the
// last decimal kept and the rest is cut off (half away from zero on the magnitude).
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>

#include "conversion/decimal_format.h"

namespace {

// Text beyond this many integer digits is no double and is left as it stands.
constexpr long kMaxIntegerDigits = 309;

struct Plain {
    bool negative = false;
    std::string integer;   // no leading zeros
    std::string fraction;  // as long as needed
};

// The number a text stands for, written out; none for a non-number or one too large.
std::optional<std::optional<Plain>> Parse(const std::string& text) {
    static const std::regex kNumber(
        R"(^[ \t]*([+-]?)([0-9]*)(?:\.([0-9]*))?(?:[eE]([+-]?[0-9]+))?[ \t]*$)");
    std::smatch match;
    if (!std::regex_match(text, match, kNumber) || match[2].length() + match[3].length() == 0) {
        return std::nullopt;
    }
    std::string digits = match[2].str() + match[3].str();
    long point = match[2].length();  // digits before the point
    if (match[4].matched) {
        const std::string exponent = match[4].str();
        const bool negative = exponent[0] == '-';
        long value = 0;
        for (const char c : exponent) {
            if (c >= '0' && c <= '9') {
                value = std::min(value * 10 + (c - '0'), 10'000'000L);
            }
        }
        point += negative ? -value : value;
    }
    const auto first = digits.find_first_not_of('0');
    Plain plain;
    plain.negative = match[1].str() == "-";
    if (first == std::string::npos) {
        return std::optional<Plain>(plain);
    }
    if (point - static_cast<long>(first) > kMaxIntegerDigits) {
        return std::optional<std::optional<Plain>>(std::nullopt);  // too large: unchanged
    }
    if (point < -20) {  // far below the tenth decimal: zero at every precision here
        return std::optional<Plain>(plain);
    }
    if (point < 0) {
        digits.insert(0, static_cast<std::size_t>(-point), '0');
        point = 0;
    }
    if (point > static_cast<long>(digits.size())) {
        digits.append(static_cast<std::size_t>(point) - digits.size(), '0');
    }
    plain.integer = digits.substr(0, static_cast<std::size_t>(point));
    plain.fraction = digits.substr(static_cast<std::size_t>(point));
    plain.integer.erase(0, std::min(plain.integer.find_first_not_of('0'), plain.integer.size()));
    return std::optional<Plain>(plain);
}

// Adds `digit` at position `place` of a digit string (carrying to the left).
void Add(std::string& digits, std::size_t place, int digit) {
    int carry = digit;
    for (std::size_t i = place + 1; i-- > 0 && carry != 0;) {
        const int sum = (digits[i] - '0') + carry;
        digits[i] = static_cast<char>('0' + sum % 10);
        carry = sum / 10;
    }
    if (carry != 0) {
        digits.insert(digits.begin(), '1');
    }
}

std::string Round(const Plain& plain, int decimals) {
    std::string fraction = plain.fraction;
    fraction.resize(static_cast<std::size_t>(decimals) + 1, '0');
    std::string all = "0" + plain.integer + fraction;  // a spare digit for the carry
    Add(all, all.size() - 1, 5);
    all.pop_back();
    const std::size_t integerDigits = all.size() - static_cast<std::size_t>(decimals);
    std::string integer = all.substr(0, integerDigits);
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (integer.empty()) {
        integer = "0";
    }
    const std::string kept = all.substr(integerDigits);
    const bool zero = integer == "0" && kept.find_first_not_of('0') == std::string::npos;
    return (plain.negative && !zero ? "-" : "") + integer + "." + kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int decimals = data[0] % 11;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto parsed = Parse(text);
    const std::string expected = parsed && *parsed ? Round(**parsed, decimals) : text;
    if (zelvo::FormatDecimals(text, decimals) != expected) {
        std::abort();
    }
    return 0;
}
