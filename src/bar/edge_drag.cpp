#include <algorithm>

#include "bar/bar_metrics.h"
#include "bar/form1.h"
#include "controls/whole_twips.h"

namespace zelvo {
namespace {

constexpr int kActive = -1;

}  // namespace

void form1::BorderImg_MouseDown(int index, int button, int /*shift*/, float /*x*/, float /*y*/) {
    if (button != kLeftButton) {
        return;
    }
    TextBox& left = text1.at(static_cast<std::size_t>(index));
    TextBox& right = text1.at(static_cast<std::size_t>(index) + 1);
    const Image& separator = BorderImg.at(static_cast<std::size_t>(index));
    left.Visible = false;
    right.Visible = false;
    BBox.Width = separator.Width;
    BBox.Height = separator.Height;
    BBox.Left = separator.Left;
    BBox.Top = separator.Top;
    BorderImg.at(static_cast<std::size_t>(index)).Visible = false;
    BBox.Visible = true;
    BorderMinLeft = WholeTwips(left.Left + kMinimumBoxWidth);
    BorderMaxLeft = WholeTwips(right.Width + right.Left - kMinimumBoxWidth - separator.Width);
    BorderDragging = kActive;
}

void form1::BorderImg_MouseMove(int index, int /*buttons*/, int /*shift*/, float x, float /*y*/) {
    if (BorderDragging != kActive) {
        return;
    }
    const float screenWidth = platform_.toolkit.ScreenWidth();
    const float fittedWidth =
        std::max(screenWidth, text1.back().Left + kMinimumBoxWidth + BottomImg.Width);
    if (Width > fittedWidth) {
        FitToScreen();
        return;
    }
    const auto minLeft = static_cast<float>(BorderMinLeft);
    const auto maxLeft = static_cast<float>(BorderMaxLeft);
    if (minLeft > maxLeft) {
        return;  // the two boxes are too narrow to give anything up: the marker stays
    }
    const float width = BBox.Width;
    const float left = BBox.Left;
    const float centred = BorderImg.at(static_cast<std::size_t>(index)).Left + x - width / 2.0F;
    if (left <= minLeft && centred <= minLeft) {
        if (left < minLeft) {
            BBox.Left = minLeft;
        }
    } else if (left >= maxLeft && centred + width >= maxLeft) {
        if (left + width / 2.0F > maxLeft) {
            BBox.Left = maxLeft;
        }
    } else {
        BBox.Left = std::clamp(centred, minLeft, maxLeft);
    }
}

// The bar is wider than the screen (the right-end drag allows it): the right end
// comes back onto the screen, but never closer than a minimum box to the last box.
void form1::FitToScreen() {
    TextBox& last = text1.back();
    Width =
        std::max(platform_.toolkit.ScreenWidth(), last.Left + kMinimumBoxWidth + BottomImg.Width);
    BottomImg.Left = Width - BottomImg.Width;
    last.Width = BottomImg.Left - last.Left;
}

void form1::BorderImg_MouseUp(int index, int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    TextBox& left = text1.at(static_cast<std::size_t>(index));
    TextBox& right = text1.at(static_cast<std::size_t>(index) + 1);
    Image& separator = BorderImg.at(static_cast<std::size_t>(index));
    if (BorderDragging == kActive) {
        separator.Left = BBox.Left;
        left.Width = BBox.Left - left.Left;
        const int rightEdge = WholeTwips(static_cast<double>(right.Left) + right.Width);
        right.Left = BBox.Left + BBox.Width;
        right.Width = static_cast<float>(rightEdge) - right.Left;
        BorderDragging = 0;
    }
    separator.Visible = true;
    BBox.Visible = false;
    left.Visible = true;
    right.Visible = true;
}

void form1::BottomImg_MouseDown(int button, int /*shift*/, float /*x*/, float /*y*/) {
    if (button != kLeftButton) {
        return;
    }
    text1.back().Visible = false;
    BottomDragging = kActive;
}

// The right end jumps to the pointer; it stops a minimum box right of the last
// box's left edge and has no upper limit.
void form1::BottomImg_MouseMove(int /*buttons*/, int /*shift*/, float x, float /*y*/) {
    if (BottomDragging != kActive) {
        return;
    }
    BottomImg.Left = BottomImg.Left + x;
    const float lowest = text1.back().Left + kMinimumBoxWidth;
    const float left = BottomImg.Left;
    if (lowest >= left && lowest >= left + x) {
        if (lowest > left) {
            BottomImg.Left = lowest;
        } else {
            return;
        }
    }
    Width = BottomImg.Left + BottomImg.Width;
    Image2.Width = Width;
}

void form1::BottomImg_MouseUp(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    if (BottomDragging != kActive) {
        return;
    }
    TextBox& last = text1.back();
    last.Width = BottomImg.Left - last.Left;
    Width = BottomImg.Width + BottomImg.Left;
    BottomDragging = 0;
    last.Visible = true;
}

}  // namespace zelvo
