#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/picture.h"

namespace zelvo {

// A decoded picture: 32-bit pixels, blue-green-red-alpha in memory with the colours
// premultiplied by alpha (as AlphaBlend takes them), rows top-down, `width` pixels a
// row. Transparent pixels of a GIF are 0.
struct Win32Picture final : Picture {
    Win32Picture(int widthPixels, int heightPixels, std::string origin,
                 std::vector<std::uint32_t> pixels)
        : Picture(widthPixels, heightPixels, std::move(origin)), pixels(std::move(pixels)) {}

    std::vector<std::uint32_t> pixels;
};

}  // namespace zelvo
