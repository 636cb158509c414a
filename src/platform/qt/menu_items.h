#pragma once

#include <QMenu>
#include <vector>

#include "platform/menu.h"

namespace zelvo {

// Adds the visible entries to `menu`: commands carry their names as data, "-" makes
// a separator, an entry with items a sub-menu.
void AddMenuItems(QMenu& menu, const std::vector<MenuItem>& items);

}  // namespace zelvo
