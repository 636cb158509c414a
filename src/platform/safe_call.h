#pragma once

#include <exception>
#include <utility>

namespace zelvo {

// Runs a model handler from a window event. Nothing may propagate through the
// toolkit's event loop or a window procedure: a handler that fails leaves the models
// as they are and the program running.
template <typename Handler>
void SafeCall(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception&) {
        return;
    }
}

}  // namespace zelvo
