#pragma once

#include <cstdint>

namespace zelvo {

// A key-capture control: shows and holds a key combination as a 16-bit value
// (virtual-key code in the low byte, modifier bits in the high byte). Combinations
// listed in InvalidCombinations are replaced by the key with InvalidModifiers.
struct HotKeyCapture {
    bool Created = false;
    int WidthPixels = 0;
    int HeightPixels = 0;
    int InvalidCombinations = 0;
    int InvalidModifiers = 0;
    std::uint16_t Value = 0;
};

}  // namespace zelvo
