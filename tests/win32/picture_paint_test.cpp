#include "ui/win32/picture_paint.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/win32_picture.h"

namespace zelvo {
namespace {

using Pixels = std::vector<std::uint32_t>;

constexpr std::uint32_t B = 0xFF204060;  // what was there before
constexpr std::uint32_t R = 0xFFFF0000;
constexpr std::uint32_t G = 0xFF00FF00;
constexpr std::uint32_t U = 0xFF0000FF;
constexpr std::uint32_t W = 0xFFFFFFFF;
constexpr std::uint32_t K = 0xFF000000;

// Red, green, blue on the top row; white, transparent, black below.
const Win32Picture kSample(3, 2, "sample", {R, G, U, W, 0, K});

void Fill(const DibSection& canvas, std::uint32_t colour) {
    std::fill_n(canvas.pixels(), static_cast<std::size_t>(canvas.width()) * canvas.height(),
                colour);
}

Pixels PixelsOf(const DibSection& canvas) {
    return Pixels(canvas.pixels(),
                  canvas.pixels() + static_cast<std::size_t>(canvas.width()) * canvas.height());
}

// The picture painted over `destination` of a canvas of `width` by `height` filled with B.
Pixels Painted(const Picture* picture, int width, int height, const RECT& destination) {
    const DibSection canvas(width, height);
    EXPECT_TRUE(canvas.valid());
    Fill(canvas, B);
    PaintPicture(canvas.dc(), picture, destination);
    return PixelsOf(canvas);
}

TEST(PaintPictureTest, AtItsOwnSizeEveryPixelIsCopiedAndTransparentOnesShowTheBackground) {
    EXPECT_EQ(Painted(&kSample, 5, 4, {1, 1, 4, 3}), (Pixels{B, B, B, B, B,  //
                                                             B, R, G, U, B,  //
                                                             B, W, B, K, B,  //
                                                             B, B, B, B, B}));
}

TEST(PaintPictureTest, AtWholeMultiplesEachPixelBecomesASharpBlock) {
    EXPECT_EQ(Painted(&kSample, 6, 4, {0, 0, 6, 4}), (Pixels{R, R, G, G, U, U,  //
                                                             R, R, G, G, U, U,  //
                                                             W, W, B, B, K, K,  //
                                                             W, W, B, B, K, K}));
    EXPECT_EQ(Painted(&kSample, 9, 2, {0, 0, 9, 2}), (Pixels{R, R, R, G, G, G, U, U, U,  //
                                                             W, W, W, B, B, B, K, K, K}));
}

TEST(PaintPictureTest, FractionalSizesBlendNeighboursAndKeepTheEnds) {
    const Win32Picture edge(2, 1, "edge", {K, W});
    const Pixels blended = Painted(&edge, 3, 1, {0, 0, 3, 1});
    EXPECT_EQ(blended[0], K);
    EXPECT_EQ(blended[2], W);
    for (int shift : {0, 8, 16}) {
        EXPECT_NEAR(static_cast<int>((blended[1] >> shift) & 0xFF), 128, 1);
    }
    // Half see-through in the middle, the background shows through by half.
    const Win32Picture fading(2, 1, "fade", {W, 0});
    const Pixels faded = Painted(&fading, 3, 1, {0, 0, 3, 1});
    EXPECT_EQ(faded[0], W);
    EXPECT_EQ(faded[2], B);
    EXPECT_NEAR(static_cast<int>(faded[1] & 0xFF), (0xFF + (B & 0xFF)) / 2, 1);
}

TEST(PaintPictureTest, NothingIsDrawnWithoutAPictureOfThisPlatformOrRoom) {
    struct OtherPicture final : Picture {
        OtherPicture() : Picture(1, 1, "other") {}
    };
    const OtherPicture other;
    const Pixels untouched(6, B);
    EXPECT_EQ(Painted(nullptr, 3, 2, {0, 0, 3, 2}), untouched);
    EXPECT_EQ(Painted(&other, 3, 2, {0, 0, 3, 2}), untouched);
    EXPECT_EQ(Painted(&kSample, 3, 2, {2, 2, 2, 2}), untouched);
    EXPECT_EQ(Painted(&kSample, 3, 2, {3, 0, 0, 2}), untouched);
}

TEST(BackBufferTest, TheWindowGetsTheDrawingAtOnceWhenTheBufferEnds) {
    const DibSection window(4, 3);
    Fill(window, B);
    {
        const BackBuffer buffer(window.dc(), 4, 3);
        ASSERT_TRUE(buffer.buffer().valid());
        Fill(buffer.buffer(), U);
        PaintPicture(buffer.dc(), &kSample, {1, 1, 4, 3});
        EXPECT_EQ(PixelsOf(window), Pixels(12, B));
    }
    EXPECT_EQ(PixelsOf(window), (Pixels{U, U, U, U,  //
                                        U, R, G, U,  //
                                        U, W, U, K}));

    // Without room for a buffer, drawing goes straight to the window.
    const BackBuffer empty(window.dc(), 0, 3);
    EXPECT_FALSE(empty.buffer().valid());
    EXPECT_EQ(empty.dc(), window.dc());
}

}  // namespace
}  // namespace zelvo
