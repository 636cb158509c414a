#include "platform/qt/menu_items.h"

namespace zelvo {

void AddMenuItems(QMenu& menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (!item.Visible) {
            continue;
        }
        if (item.caption == kMenuSeparator) {
            menu.addSeparator();
        } else if (!item.items.empty()) {
            AddMenuItems(*menu.addMenu(QString::fromStdString(item.caption)), item.items);
        } else {
            menu.addAction(QString::fromStdString(item.caption))
                ->setData(QString::fromStdString(item.name));
        }
    }
}

}  // namespace zelvo
