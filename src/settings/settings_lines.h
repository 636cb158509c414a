#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_values.h"

namespace zelvo::settings_lines {

// A value that does not convert, or that its control refuses: the reading stops there.
struct Malformed : std::runtime_error {
    Malformed() : std::runtime_error("malformed setting") {}
};

std::vector<std::string_view> Split(std::string_view text, char separator);

// Walks the lines of setting.ini (CR LF or LF) as the settings are read: empty lines
// are skipped, a line holding "/" ends the current key, one of the known key lines
// starts its key, and every other line is handed to `apply` with the key it belongs
// to; lines under no known key are dropped. `apply` throws Malformed to stop.
void ForEachValueLine(
    std::string_view text,
    const std::function<void(std::string_view key, std::string_view line)>& apply);

template <typename T>
T Required(std::optional<T> value) {
    if (!value) {
        throw Malformed();
    }
    return *value;
}

// A left or top in twips, and a width or height, which cannot be negative.
float Position(std::string_view text);
float Size(std::string_view text);
// The state of a check box.
int ZeroOrOne(std::string_view text);
// A number of decimals within the range of the decimals arrows.
int Decimals(std::string_view text, int lowest, int highest);

// Left, Top, Width and Height, each applied as soon as it has converted.
template <typename Control>
void ApplyRectangle(Control& control, std::string_view text) {
    const auto fields = Split(text, ',');
    float* const targets[] = {&control.Left, &control.Top, &control.Width, &control.Height};
    for (std::size_t i = 0; i < 4; ++i) {
        if (i >= fields.size()) {
            throw Malformed();
        }
        *targets[i] = i < 2 ? Position(fields[i]) : Size(fields[i]);
    }
}

// One rectangle per control of an array, from its first; more than it has is malformed.
template <typename Controls>
void ApplyRectangleList(Controls& controls, std::string_view text) {
    const auto rectangles = Split(text, '|');
    for (std::size_t i = 0; i < rectangles.size(); ++i) {
        if (i >= controls.size()) {
            throw Malformed();
        }
        ApplyRectangle(controls[i], rectangles[i]);
    }
}

// The density line: the three density choices in order, each set as it is read by
// `setChoice(index, selected)`, then the custom density text.
template <typename SetChoice>
void ApplyDensityLine(std::string_view text, SetChoice&& setChoice, std::string& customDensity) {
    const auto parts = Split(text, '|');
    for (std::size_t i = 0; i < 4; ++i) {
        if (i >= parts.size()) {
            throw Malformed();
        }
        if (i < 3) {
            setChoice(static_cast<int>(i), Required(ParseBoolean(parts[i])));
        } else {
            customDensity = std::string(parts[i]);
        }
    }
}

}  // namespace zelvo::settings_lines
