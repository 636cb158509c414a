#include "ui/win32/tab_order.h"

namespace zelvo::win32 {

int NextTabStop(int from, bool forward, std::span<const bool> takesFocus) {
    const auto count = static_cast<int>(takesFocus.size());
    const int step = forward ? 1 : count - 1;
    for (int i = (from + step) % count; i != from; i = (i + step) % count) {
        if (takesFocus[static_cast<std::size_t>(i)]) {
            return i;
        }
    }
    return from;
}

}  // namespace zelvo::win32
