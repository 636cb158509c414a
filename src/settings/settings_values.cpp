#include "settings/settings_values.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "conversion/decimal_format.h"

namespace zelvo {
namespace {

constexpr int kSignificantDigits = 7;

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
        };
        return lower(x) == lower(y);
    });
}

}  // namespace

std::string SingleText(float value) {
    if (value == 0.0F || !std::isfinite(value)) {
        return "0";
    }
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(value),
                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view scientific(buffer.data(), result.ptr);
    std::string_view exponentText = scientific.substr(scientific.find('e') + 1);
    if (exponentText.front() == '+') {
        exponentText.remove_prefix(1);
    }
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    // Written out with just enough decimals for the seven digits, then trimmed.
    std::string text = FormatDecimals(scientific, std::max(0, kSignificantDigits - 1 - exponent));
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text == "-0" ? "0" : text;
}

std::optional<double> ParseNumber(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto allDigits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.size() + fraction.size() == 0 || !allDigits(whole) || !allDigits(fraction)) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<int> ParseInteger(std::string_view text) {
    const auto number = ParseNumber(text);
    if (!number) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(*number);
    if (rounded < INT16_MIN || rounded > INT16_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(rounded);
}

std::optional<bool> ParseBoolean(std::string_view text) {
    const std::string_view word = TrimBlanks(text);
    if (EqualsIgnoringCase(word, "True")) {
        return true;
    }
    if (EqualsIgnoringCase(word, "False")) {
        return false;
    }
    const auto number = ParseNumber(word);
    if (!number) {
        return std::nullopt;
    }
    return *number != 0.0;
}

}  // namespace zelvo
