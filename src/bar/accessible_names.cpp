#include "bar/accessible_names.h"

#include "bar/form1.h"

namespace zelvo {

std::string ResultsForScreenReader(const form1& bar, int focusedBox) {
    std::string line;
    const auto add = [&](int index) {
        const std::string& text = bar.text1.at(static_cast<std::size_t>(index)).Text;
        if (text.empty()) {
            return;
        }
        if (!line.empty()) {
            line += "、";
        }
        line += kUnitBoxAccessibleNames.at(static_cast<std::size_t>(index));
        line += ' ';
        line += text;
    };
    if (focusedBox > kExpressionBox && focusedBox < kUnitBoxCount) {
        add(focusedBox);
    }
    for (int index = kExpressionBox + 1; index < kUnitBoxCount; ++index) {
        if (index != focusedBox) {
            add(index);
        }
    }
    return line;
}

}  // namespace zelvo
