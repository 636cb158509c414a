#pragma once

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/menu.h"
#include "platform/win32/windows_api.h"

namespace zelvo {

// A pop-up menu made from menu entries, ready for TrackPopupMenuEx: commands, "-"
// separators and sub-menus, hidden entries left out. Each command gets an identifier
// of its own, numbered from 1 (0 is the answer of a menu closed without a choice),
// and is known again by it.
class MenuTree {
  public:
    explicit MenuTree(const std::vector<MenuItem>& items);

    // The top-level menu; its sub-menus belong to it. Null when it could not be made.
    HMENU handle() const { return menu_.get(); }
    // The name of the entry with command identifier `command`; empty for any other
    // number.
    std::string NameOf(UINT command) const;

  private:
    struct Destroy {
        void operator()(HMENU menu) const { ::DestroyMenu(menu); }
    };
    using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, Destroy>;

    void Append(HMENU menu, const std::vector<MenuItem>& items);

    UniqueMenu menu_;
    std::vector<std::string> names_;
};

}  // namespace zelvo
