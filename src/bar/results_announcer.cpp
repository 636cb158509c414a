#include "bar/results_announcer.h"

#include "bar/accessible_names.h"
#include "bar/form1.h"

namespace zelvo {

std::string ResultsAnnouncer::Next(const form1& bar, int focusedBox) {
    bool othersChanged = false;
    for (int i = 0; i < kUnitBoxCount; ++i) {
        const std::string& text = bar.text1.at(static_cast<std::size_t>(i)).Text;
        std::string& shown = shown_.at(static_cast<std::size_t>(i));
        if (i != focusedBox && shown != text && !text.empty()) {
            othersChanged = true;
        }
        shown = text;
    }
    if (focusedBox < 0 || focusedBox >= kUnitBoxCount || !othersChanged) {
        return {};
    }
    return ResultsForScreenReader(bar, focusedBox);
}

}  // namespace zelvo
