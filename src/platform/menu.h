#pragma once

#include <string>
#include <vector>

namespace zelvo {

// An entry of a pop-up menu: a command, a sub-menu (with items), or a separator
// (caption "-"). Entries are known by their names.
struct MenuItem {
    std::string name;
    std::string caption;
    std::vector<MenuItem> items;
    bool Visible = true;
};

inline constexpr std::string_view kMenuSeparator = "-";

}  // namespace zelvo
