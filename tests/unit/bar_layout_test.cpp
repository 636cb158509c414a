#include <gtest/gtest.h>

#include "control/window_set.h"
#include "fake/fake_platform.h"

namespace zelvo {
namespace {

class BarLayoutTest : public ::testing::Test {
  protected:
    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
};

TEST_F(BarLayoutTest, DesignStripChainsBoxesAndSeparators) {
    EXPECT_EQ(bar.topimg.Left, 0);
    EXPECT_EQ(bar.topimg.Width, 390);
    EXPECT_EQ(bar.text1[0].Left, bar.topimg.Left + bar.topimg.Width);
    for (int i = 0; i < kSeparatorCount; ++i) {
        const Image& separator = bar.BorderImg.at(i);
        EXPECT_EQ(separator.Left, bar.text1.at(i).Left + bar.text1.at(i).Width) << i;
        EXPECT_EQ(separator.Left + separator.Width, bar.text1.at(i + 1).Left) << i;
        EXPECT_EQ(separator.Height, 495);
    }
    EXPECT_EQ(bar.BottomImg.Left, 12075);
    EXPECT_EQ(bar.BottomImg.Width, 510);
    EXPECT_EQ(bar.Width, 12585);
    EXPECT_EQ(bar.Height, 525);
    EXPECT_EQ(bar.Image2.Left, 390);
    EXPECT_EQ(bar.Image2.Width, 11685);
    EXPECT_TRUE(bar.Image2.Stretch);
    for (const TextBox& box : bar.text1) {
        EXPECT_EQ(box.Top, 140);
        EXPECT_EQ(box.Width, 1335);
        EXPECT_EQ(box.Height, 270);
    }
}

TEST_F(BarLayoutTest, MarkerAndWorkFieldsStartOutOfSight) {
    EXPECT_FALSE(bar.BBox.Visible);
    EXPECT_EQ(bar.BBox.Left, 1080);
    EXPECT_EQ(bar.BBox.Width, 1215);
    EXPECT_FALSE(bar.Frame5.Visible);
    EXPECT_GE(bar.Frame5.Top, bar.Height);
}

TEST(PutPictureTest, NonStretchingImagesTakeThePictureSizeInTwips) {
    Image image{100, 50, 390, 495};
    PutPicture(image, std::make_shared<Picture>(30, 20, "p"), 12, 12);
    EXPECT_EQ(image.Width, 360);
    EXPECT_EQ(image.Height, 240);
    EXPECT_EQ(image.Left, 100);

    Image stretched{0, 0, 4455, 495};
    stretched.Stretch = true;
    PutPicture(stretched, std::make_shared<Picture>(26, 33, "p"), 15, 15);
    EXPECT_EQ(stretched.Width, 4455);
    EXPECT_EQ(stretched.Picture->origin, "p");
}

}  // namespace
}  // namespace zelvo
