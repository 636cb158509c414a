#include "platform/win32/menu_tree.h"

#include "platform/win32/wide_text.h"

namespace zelvo {

MenuTree::MenuTree(const std::vector<MenuItem>& items) : menu_(::CreatePopupMenu()) {
    if (menu_) {
        Append(menu_.get(), items);
    }
}

void MenuTree::Append(HMENU menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (!item.Visible) {
            continue;
        }
        if (item.caption == kMenuSeparator) {
            ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::wstring caption = win32::Widen(item.caption);
        if (!item.items.empty()) {
            UniqueMenu subMenu(::CreatePopupMenu());
            if (!subMenu) {
                continue;
            }
            Append(subMenu.get(), item.items);
            // Once appended, the sub-menu is destroyed with the menu that holds it.
            if (::AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(subMenu.get()),
                              caption.c_str())) {
                subMenu.release();
            }
            continue;
        }
        names_.push_back(item.name);
        ::AppendMenuW(menu, MF_STRING, names_.size(), caption.c_str());
    }
}

std::string MenuTree::NameOf(UINT command) const {
    return command >= 1 && command <= names_.size() ? names_[command - 1] : std::string();
}

}  // namespace zelvo
