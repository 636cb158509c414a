#include "settings/settings_reader.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "bar/bar_metrics.h"
#include "bar/form1.h"
#include "control/form2.h"
#include "settings/settings_keys.h"
#include "settings/settings_values.h"

namespace zelvo {
namespace {

constexpr double kLargestTwips = 1e9;

// A value that does not convert, or that its control refuses.
struct Malformed : std::runtime_error {
    Malformed() : std::runtime_error("malformed setting") {}
};

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

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines = Split(text, '\n');
    for (std::string_view& line : lines) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
    }
    return lines;
}

template <typename T>
T Required(std::optional<T> value) {
    if (!value) {
        throw Malformed();
    }
    return *value;
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

// The first character (code point) of a non-empty line.
std::string FirstCharacter(std::string_view line) {
    std::size_t length = 1;
    while (length < line.size() && (static_cast<unsigned char>(line[length]) & 0xC0) == 0x80) {
        ++length;
    }
    return std::string(line.substr(0, length));
}

class SettingsReader {
  public:
    SettingsReader(form1& bar, Form2& dialog) : bar_(bar), dialog_(dialog) {}

    void Apply(std::string_view key, std::string_view line) {
        namespace k = settings_key;
        hotkey1::HotKeyRecord& hotKey = dialog_.hotKeyRecord;
        if (key == k::kForm) {
            ApplyRectangle(bar_, line);
        } else if (key == k::kText1) {
            ApplyRectangleList(bar_.text1, line);
        } else if (key == k::kBorderImg) {
            ApplyRectangleList(bar_.BorderImg, line);
        } else if (key == k::kBottomImg) {
            ApplyRectangle(bar_.BottomImg, line);
        } else if (key == k::kTopImg) {
            ApplyRectangle(bar_.topimg, line);
        } else if (key == k::kOp1) {
            ApplyDensity(line);
        } else if (key == k::kUpDown) {
            const int decimals = Required(ParseInteger(line));
            if (decimals < dialog_.UpDown1.Min || decimals > dialog_.UpDown1.Max) {
                throw Malformed();
            }
            dialog_.UpDown1.Value = decimals;
        } else if (key == k::kCheck1) {
            dialog_.Check1.Value = ZeroOrOne(line);
        } else if (key == k::kCheck2) {
            dialog_.Check2.Value = ZeroOrOne(line);
            bar_.topmostMode.PendingTopmost = dialog_.Check2.Value;
            ToggleTopmost(bar_, dialog_);
        } else if (key == k::kShift) {
            hotKey.bShift = Required(ParseBoolean(line));
        } else if (key == k::kCtrl) {
            hotKey.bCtrl = Required(ParseBoolean(line));
        } else if (key == k::kAlt) {
            hotKey.bAlt = Required(ParseBoolean(line));
        } else if (key == k::kChar) {
            hotKey.sChar = FirstCharacter(line);
        } else if (key == k::kSkinPath) {
            dialog_.Label2.Caption = std::string(line);
        }
    }

  private:
    // The three density choices in order, as clicks would set them; then the text.
    void ApplyDensity(std::string_view line) {
        const auto parts = Split(line, '|');
        for (std::size_t i = 0; i < 4; ++i) {
            if (i >= parts.size()) {
                throw Malformed();
            }
            if (i < 3) {
                dialog_.SetOption1(static_cast<int>(i), Required(ParseBoolean(parts[i])));
            } else {
                dialog_.Text5.Text = std::string(parts[i]);
            }
        }
    }

    form1& bar_;
    Form2& dialog_;
};

void ReadLines(form1& bar, Form2& dialog, const std::string& text) {
    SettingsReader reader(bar, dialog);
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
            reader.Apply(key, line);
        }
    }
    bar.Width = bar.BottomImg.Left + bar.BottomImg.Width;
    bar.Image2.Width = bar.Width;
    bar.Height = bar.Image2.Height + kWindowHeightMargin;
}

}  // namespace

void LoadSettings(form1& bar, Form2& dialog, const std::string& path) {
    try {
        const auto text = bar.platform().textFiles.ReadText(path);
        if (!text) {
            throw Malformed();
        }
        ReadLines(bar, dialog, *text);
    } catch (const std::exception&) {
        LayoutBar(bar, kFactoryBoxWidth);
        bar.Top = bar.platform().toolkit.ScreenHeight() / 2 - bar.Height / 2;
    }
}

}  // namespace zelvo
