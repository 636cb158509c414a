#include "settings/settings_lines.h"

#include <algorithm>
#include <cmath>

#include "settings/settings_keys.h"
#include "settings/settings_values.h"

namespace zelvo::settings_lines {
namespace {

constexpr double kLargestTwips = 1e9;

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines = Split(text, '\n');
    for (std::string_view& line : lines) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
    }
    return lines;
}

}  // namespace

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

void ForEachValueLine(
    std::string_view text,
    const std::function<void(std::string_view key, std::string_view line)>& apply) {
    std::string_view key;
    for (const std::string_view line : Lines(text)) {
        if (line.empty()) {
            continue;
        }
        if (line.find('/') != std::string_view::npos) {
            key = {};
        }
        const auto known = std::find(settings_key::kAll.begin(), settings_key::kAll.end(), line);
        if (known != settings_key::kAll.end()) {
            key = *known;
            continue;
        }
        if (!key.empty()) {
            apply(key, line);
        }
    }
}

float Position(std::string_view text) {
    const double value = Required(ParseNumber(text));
    if (std::fabs(value) > kLargestTwips) {
        throw Malformed();
    }
    return static_cast<float>(value);
}

float Size(std::string_view text) {
    const float value = Position(text);
    if (value < 0) {
        throw Malformed();
    }
    return value;
}

int ZeroOrOne(std::string_view text) {
    const int value = Required(ParseInteger(text));
    if (value != 0 && value != 1) {
        throw Malformed();
    }
    return value;
}

int Decimals(std::string_view text, int lowest, int highest) {
    const int value = Required(ParseInteger(text));
    if (value < lowest || value > highest) {
        throw Malformed();
    }
    return value;
}

}  // namespace zelvo::settings_lines
