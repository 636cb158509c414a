#include "settings/stored_conversion_choice.h"

#include <array>
#include <cstddef>
#include <exception>

#include "bar/bar_metrics.h"
#include "settings/settings_keys.h"
#include "settings/settings_lines.h"
#include "settings/settings_values.h"

namespace zelvo {
namespace {

using namespace settings_lines;

// Stands in for a control the bar would place: its values are checked, then dropped.
struct Placed {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

// Every value is checked as the bar's reader checks it, so that the reading stops on
// the same line; only the density and the decimals are kept.
class ChoiceReader {
  public:
    void Apply(std::string_view key, std::string_view line) {
        namespace k = settings_key;
        if (key == k::kForm || key == k::kBottomImg || key == k::kTopImg) {
            Placed placed;
            ApplyRectangle(placed, line);
        } else if (key == k::kText1) {
            std::array<Placed, kUnitBoxCount> boxes;
            ApplyRectangleList(boxes, line);
        } else if (key == k::kBorderImg) {
            std::array<Placed, kSeparatorCount> separators;
            ApplyRectangleList(separators, line);
        } else if (key == k::kOp1) {
            ApplyDensityLine(
                line, [this](int index, bool selected) { Select(index, selected); },
                choice_.customDensity);
        } else if (key == k::kUpDown) {
            choice_.decimals = Decimals(line, kFewestDecimals, kMostDecimals);
        } else if (key == k::kCheck1 || key == k::kCheck2) {
            ZeroOrOne(line);
        } else if (key == k::kShift || key == k::kCtrl || key == k::kAlt) {
            Required(ParseBoolean(line));
        }
    }

    // The choice as far as the reading went.
    ConversionChoice Choice() const {
        ConversionChoice choice = choice_;
        choice.densityIndex = DensityIndex();
        return choice;
    }

  private:
    // As the option buttons take it: selecting one clears the others, clearing one
    // touches only that one.
    void Select(int index, bool selected) {
        if (!selected) {
            selected_.at(static_cast<std::size_t>(index)) = false;
            return;
        }
        for (std::size_t i = 0; i < selected_.size(); ++i) {
            selected_.at(i) = static_cast<int>(i) == index;
        }
    }

    int DensityIndex() const {
        for (std::size_t i = 0; i < selected_.size(); ++i) {
            if (selected_.at(i)) {
                return static_cast<int>(i);
            }
        }
        return kDensityNone;
    }

    ConversionChoice choice_;
    std::array<bool, 3> selected_ = {true, false, false};
};

}  // namespace

ConversionChoice ConversionChoiceFromSettings(std::string_view text) {
    ChoiceReader reader;
    try {
        ForEachValueLine(text, [&reader](std::string_view key, std::string_view line) {
            reader.Apply(key, line);
        });
    } catch (const std::exception&) {
        // What was read before the malformed value stays, as it does for the bar.
    }
    return reader.Choice();
}

ConversionChoice StoredConversionChoice(TextFiles& files, const std::string& path) {
    const auto text = files.ReadText(path);
    return text ? ConversionChoiceFromSettings(*text) : ConversionChoice{};
}

}  // namespace zelvo
