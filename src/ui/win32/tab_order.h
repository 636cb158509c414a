#pragma once

#include <span>

namespace zelvo::win32 {

// Where Tab takes the focus from control `from` of a chain in tab order: the next
// control that takes the focus, after the last the first again; with Shift the
// previous one. `from` itself when no other control takes it.
int NextTabStop(int from, bool forward, std::span<const bool> takesFocus);

}  // namespace zelvo::win32
