#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zelvo {

// A drop-down list; items keep the order they were added in, ListIndex -1 = none.
struct ComboBox {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    std::string Text;
    std::vector<std::string> List;
    int ListIndex = -1;
    bool Visible = true;

    void AddItem(std::string item) { List.push_back(std::move(item)); }
    void Clear() {
        List.clear();
        ListIndex = -1;
    }
    // The position of the first entry equal to `item`, or -1.
    int IndexOf(const std::string& item) const {
        for (int i = 0; i < ListCount(); ++i) {
            if (List.at(static_cast<std::size_t>(i)) == item) {
                return i;
            }
        }
        return -1;
    }
    // Selects the first entry equal to `item`; false (selection unchanged) when none is.
    bool SelectFirst(const std::string& item) {
        const int index = IndexOf(item);
        if (index >= 0) {
            ListIndex = index;
        }
        return index >= 0;
    }
    int ListCount() const { return static_cast<int>(List.size()); }
    // The text of the selected entry, or the empty text when none is selected.
    std::string SelectedItem() const {
        return ListIndex >= 0 && ListIndex < ListCount()
                   ? List.at(static_cast<std::size_t>(ListIndex))
                   : std::string();
    }
};

}  // namespace zelvo
