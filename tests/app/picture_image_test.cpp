// Resampling a picture to the size it is drawn at.
#include "app/picture_image.h"

#include <gtest/gtest.h>

#include <array>

namespace corvinata {
namespace {

// A picture whose pixel (x, y) is `colour(x, y)` (blue, green, red).
template <typename Colour>
PictureImage Make(int width, int height, Colour colour) {
    PictureImage image;
    image.width = width;
    image.height = height;
    image.bgr.resize(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const auto c = colour(x, y);
            for (int k = 0; k < 3; ++k) image.bgr[image.Offset(x, y) + k] = c[k];
        }
    }
    return image;
}

using Bgr = std::array<std::uint8_t, 3>;

TEST(PictureImage, HalvingAveragesEachSquareOfFourPixels) {
    // A checkerboard of black and white halves to an even grey, not to
    // black or white as dropping pixels would.
    const PictureImage board =
        Make(8, 6, [](int x, int y) { return (x + y) % 2 ? Bgr{255, 255, 255} : Bgr{0, 0, 0}; });
    const PictureImage half = ResamplePicture(board, 4, 3);
    ASSERT_EQ(half.bgr.size(), 4u * 3u * 3u);
    for (std::uint8_t value : half.bgr) EXPECT_EQ(value, 128);
}

TEST(PictureImage, SizesThatAreNoMultipleWeighPartlyCoveredPixels) {
    // Three columns 0, 90, 180 into two: each target column takes one and
    // a half source columns.
    const PictureImage ramp = Make(3, 1, [](int x, int) {
        const auto v = static_cast<std::uint8_t>(90 * x);
        return Bgr{v, v, v};
    });
    const PictureImage two = ResamplePicture(ramp, 2, 1);
    EXPECT_EQ(two.bgr[0], 30);   // (0 + 0.5 x 90) / 1.5
    EXPECT_EQ(two.bgr[3], 150);  // (0.5 x 90 + 180) / 1.5
}

TEST(PictureImage, EnlargingRepeatsPixelsAndKeepsTheirColours) {
    const PictureImage two = Make(2, 1, [](int x, int) { return x ? Bgr{0, 0, 255} : Bgr{255, 0, 0}; });
    const PictureImage four = ResamplePicture(two, 4, 2);
    ASSERT_EQ(four.width, 4);
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(four.bgr[four.Offset(0, y)], 255);
        EXPECT_EQ(four.bgr[four.Offset(1, y)], 255);
        EXPECT_EQ(four.bgr[four.Offset(2, y) + 2], 255);
        EXPECT_EQ(four.bgr[four.Offset(3, y) + 2], 255);
    }
}

TEST(PictureImage, SameSizeIsTheSamePictureAndEmptyGivesNothing) {
    const PictureImage some = Make(3, 2, [](int x, int y) {
        return Bgr{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7};
    });
    EXPECT_EQ(ResamplePicture(some, 3, 2).bgr, some.bgr);
    EXPECT_TRUE(ResamplePicture(some, 0, 2).IsEmpty());
    EXPECT_TRUE(ResamplePicture(PictureImage{}, 5, 5).IsEmpty());
}

TEST(PictureImage, RowsBottomFirstTurnsTheRowOrderOnly) {
    const PictureImage some = Make(2, 3, [](int x, int y) {
        return Bgr{static_cast<std::uint8_t>(10 * y + x), 0, 0};
    });
    const std::vector<std::uint8_t> turned = RowsBottomFirst(some);
    EXPECT_EQ(turned[0], 20);
    EXPECT_EQ(turned[3], 21);
    EXPECT_EQ(turned[2 * 6], 0);
    EXPECT_EQ(turned[2 * 6 + 3], 1);
}

}  // namespace
}  // namespace corvinata
