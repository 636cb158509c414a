#include <gtest/gtest.h>

#include <vector>

#include "ui/win32/twips_place.h"

namespace zelvo::win32 {
namespace {

std::vector<int> Edges(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

TEST(SettingsPlacementTest, TwipsBecomePixelsAtTheWindowsDpi) {
    const TwipsRect option{1200, 240, 1200, 255};
    EXPECT_EQ(Edges(PixelRect(option, 96)), (std::vector<int>{80, 16, 160, 33}));
    EXPECT_EQ(Edges(PixelRect(option, 144)), (std::vector<int>{120, 24, 240, 50}));
    EXPECT_EQ(Edges(PixelRect(option, 192)), (std::vector<int>{160, 32, 320, 66}));
}

// Each edge's distance and the size are rounded on their own: a control keeps its size
// in whole pixels, whatever fraction its left edge had.
TEST(SettingsPlacementTest, SizesAreRoundedApartFromTheEdges) {
    const TwipsRect check{120, 960, 2450, 255};  // 8, 64, 163.3, 17 at 96 dpi
    EXPECT_EQ(Edges(PixelRect(check, 96)), (std::vector<int>{8, 64, 171, 81}));
    const TwipsRect halves{37.5F, 22.5F, 37.5F, 22.5F};  // 2.5, 1.5, 2.5, 1.5 at 96 dpi
    EXPECT_EQ(Edges(PixelRect(halves, 96)), (std::vector<int>{2, 2, 4, 4}));
}

TEST(SettingsPlacementTest, ContainersMoveTheirControlsByWholePixels) {
    const TwipsRect frame3{120, 2520, 5295, 1575};
    const TwipsRect picture1{600, 240, 4455, 495};
    const TwipsRect image{1110, 0, 390, 495};
    EXPECT_EQ(Edges(PlaceInWindow({frame3}, 96)), (std::vector<int>{8, 168, 361, 273}));
    EXPECT_EQ(Edges(PlaceInWindow({frame3, picture1}, 96)), (std::vector<int>{48, 184, 345, 217}));
    EXPECT_EQ(Edges(PlaceInWindow({frame3, picture1, image}, 96)),
              (std::vector<int>{122, 184, 148, 217}));
    // 12.5 + 12.5 pixels at 144 dpi: the frame's edge is rounded before the control's
    // is added, as a child window's would be.
    const TwipsRect frame{125, 125, 1000, 1000};
    const TwipsRect control{125, 125, 300, 300};
    EXPECT_EQ(Edges(PlaceInWindow({frame, control}, 144)), (std::vector<int>{24, 24, 54, 54}));
    EXPECT_EQ(Edges(PlaceInWindow({}, 96)), (std::vector<int>{0, 0, 0, 0}));
}

}  // namespace
}  // namespace zelvo::win32
