#pragma once

#include <memory>
#include <string>

namespace zelvo {

// A loaded picture. The platform derives from it to carry the pixels; the models
// only need its size and, for diagnostics and tests, where it came from.
struct Picture {
    Picture(int widthPixels, int heightPixels, std::string origin)
        : width(widthPixels), height(heightPixels), origin(std::move(origin)) {}
    virtual ~Picture() = default;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int width;
    int height;
    std::string origin;
};

using PictureRef = std::shared_ptr<const Picture>;

}  // namespace zelvo
