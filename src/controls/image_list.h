#pragma once

#include <array>

#include "platform/picture.h"

namespace zelvo {

// An ordered list of pictures, indexed from 1.
template <int Count>
struct ImageList {
    static constexpr int kCount = Count;

    PictureRef& Slot(int slot) { return pictures.at(static_cast<std::size_t>(slot - 1)); }
    const PictureRef& Slot(int slot) const {
        return pictures.at(static_cast<std::size_t>(slot - 1));
    }

    std::array<PictureRef, Count> pictures;
};

}  // namespace zelvo
