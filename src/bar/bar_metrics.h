#pragma once

namespace zelvo {

// Separator pictures between the seven boxes of the bar.
inline constexpr int kSeparatorCount = 6;

// Fixed sizes of the bar's layout, in twips.
inline constexpr int kFactoryBoxWidth = 500;      // every box after the factory layout
inline constexpr float kWindowHeightMargin = 30;  // window height = background + this
inline constexpr int kMinimumBoxWidth = 100;      // no drag makes a box narrower

}  // namespace zelvo
