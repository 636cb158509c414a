#include "ui/win32/bar_pictures.h"

#include <gtest/gtest.h>

#include <memory>

#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "ui/win32/drag_marker.h"

namespace zelvo::win32 {
namespace {

RECT Rect(LONG left, LONG top, LONG right, LONG bottom) {
    return {left, top, right, bottom};
}

void ExpectPlace(const RECT& place, const RECT& expected) {
    EXPECT_EQ(place.left, expected.left);
    EXPECT_EQ(place.top, expected.top);
    EXPECT_EQ(place.right, expected.right);
    EXPECT_EQ(place.bottom, expected.bottom);
}

class BarPicturesTest : public ::testing::Test {
  protected:
    // The part and index of the picture under a client point, Background for none.
    std::pair<BarPart, int> At(LONG x, LONG y, UINT dpi = 96) const {
        const auto picture = PictureAt(bar, {x, y}, dpi);
        return picture ? std::pair{picture->part, picture->index}
                       : std::pair{BarPart::Background, -1};
    }

    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
};

TEST_F(BarPicturesTest, PicturesStandWhereTheirModelsPutThemBackToFront) {
    const auto pictures = BarPictures(bar, 96);
    EXPECT_EQ(pictures[0].part, BarPart::Background);
    ExpectPlace(pictures[0].place, Rect(26, 0, 805, 33));
    EXPECT_EQ(pictures[1].part, BarPart::RightEnd);
    ExpectPlace(pictures[1].place, Rect(805, 0, 839, 33));
    for (int i = 0; i < kSeparatorCount; ++i) {
        const BarPicture& separator = pictures.at(static_cast<std::size_t>(i) + 2);
        EXPECT_EQ(separator.part, BarPart::Separator);
        EXPECT_EQ(separator.index, i);
        EXPECT_EQ(separator.place.left, 115 + 115 * i);  // 1725 twips a box and separator
        EXPECT_EQ(separator.place.right - separator.place.left, 26);
    }
    EXPECT_EQ(pictures[8].part, BarPart::Title);
    ExpectPlace(pictures[8].place, Rect(0, 0, 26, 33));

    ExpectPlace(BarPictures(bar, 192)[1].place, Rect(1610, 0, 1678, 66));
}

TEST_F(BarPicturesTest, PicturesCarryTheirModelsPictureAndVisibility) {
    ApplySkinImages(bar, windows.dialog);
    bar.BorderImg[3].Visible = false;
    const auto pictures = BarPictures(bar, 96);
    EXPECT_EQ(pictures[0].picture, bar.Image2.Picture.get());
    EXPECT_EQ(pictures[5].picture, bar.BorderImg[3].Picture.get());
    EXPECT_NE(pictures[5].picture, nullptr);
    EXPECT_FALSE(pictures[5].visible);
    EXPECT_TRUE(pictures[4].visible);

    auto changed = pictures;
    EXPECT_TRUE(changed == pictures);
    changed[7].place.right += 1;
    EXPECT_FALSE(changed == pictures);
}

TEST_F(BarPicturesTest, ThePressedPictureIsTheFrontmostShownOne) {
    EXPECT_EQ(At(5, 5), std::pair(BarPart::Title, 0));
    EXPECT_EQ(At(345, 32), std::pair(BarPart::Separator, 2));
    EXPECT_EQ(At(370, 0), std::pair(BarPart::Separator, 2));
    EXPECT_EQ(At(371, 0), std::pair(BarPart::Background, 0));  // right edges are outside
    EXPECT_EQ(At(838, 10), std::pair(BarPart::RightEnd, 0));
    EXPECT_EQ(At(839, 10), std::pair(BarPart::Background, -1));
    EXPECT_EQ(At(10, 40), std::pair(BarPart::Background, -1));

    bar.topimg.Width = 2000;  // the title is drawn over the first separator
    EXPECT_EQ(At(120, 5), std::pair(BarPart::Title, 0));
    bar.BorderImg[2].Visible = false;  // a hidden separator takes no press
    EXPECT_EQ(At(350, 5), std::pair(BarPart::Background, 0));
    bar.BorderImg[5].Left = bar.BottomImg.Left;  // a separator lies over the right end
    EXPECT_EQ(At(810, 5), std::pair(BarPart::Separator, 5));
    EXPECT_EQ(At(925, 5, 192), std::pair(BarPart::Separator, 3));  // 920 to 972 pixels
}

TEST_F(BarPicturesTest, PointerPositionsAreTwipsFromThePicturesCorner) {
    const RECT separator = Rect(345, 0, 371, 33);
    const TwipsPoint left = TwipsOver(separator, {300, 5}, 96);
    EXPECT_FLOAT_EQ(left.x, -675);
    EXPECT_FLOAT_EQ(left.y, 75);
    const TwipsPoint inside = TwipsOver(separator, {358, 33}, 144);
    EXPECT_FLOAT_EQ(inside.x, 130);
    EXPECT_FLOAT_EQ(inside.y, 330);
}

TEST_F(BarPicturesTest, PartsNameTheirImages) {
    EXPECT_EQ(&ImageOf(bar, BarPart::Title, 0), &bar.topimg);
    EXPECT_EQ(&ImageOf(bar, BarPart::Separator, 4), &bar.BorderImg[4]);
    EXPECT_EQ(&ImageOf(bar, BarPart::RightEnd, 0), &bar.BottomImg);
    EXPECT_EQ(&ImageOf(bar, BarPart::Background, 0), &bar.Image2);
}

TEST(BarMarkerPlaceTest, TheMarkerStandsOnTheScreenWhereTheClientAreaPutsIt) {
    const Shape marker{4305, 0, 390, 495, true};
    ExpectPlace(MarkerPlace(marker, {100, 100}, 96), Rect(387, 100, 413, 133));
    ExpectPlace(MarkerPlace(marker, {-50, 0}, 192), Rect(524, 0, 576, 66));
}

}  // namespace
}  // namespace zelvo::win32
