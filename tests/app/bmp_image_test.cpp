#include "app/bmp_image.h"

#include <gtest/gtest.h>

namespace corvinata {
namespace {

struct LayoutCase {
    int width, height, bits;
    int depth;
    std::uint32_t rowSize, colours, pixelOffset;
};

class BmpLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(BmpLayoutTest, DepthRowsAndPalette) {
    const LayoutCase& c = GetParam();
    const BmpLayout layout = BmpLayoutFor(c.width, c.height, c.bits);
    EXPECT_EQ(layout.bitsPerPixel, c.depth);
    EXPECT_EQ(layout.rowSize, c.rowSize);
    EXPECT_EQ(layout.colours, c.colours);
    EXPECT_EQ(layout.pixelOffset, c.pixelOffset);
    EXPECT_EQ(layout.fileSize, c.pixelOffset + c.rowSize * static_cast<std::uint32_t>(c.height));
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpLayoutTest,
                         ::testing::Values(LayoutCase{10, 3, 24, 24, 32, 0, 54},   // no palette
                                           LayoutCase{10, 3, 32, 32, 40, 0, 54},
                                           LayoutCase{10, 3, 8, 8, 12, 256, 1078},
                                           LayoutCase{33, 1, 1, 1, 8, 2, 62},
                                           LayoutCase{5, 2, 15, 16, 12, 0, 54},    // rounded up
                                           LayoutCase{5, 2, 0, 1, 4, 2, 62}));

}  // namespace
}  // namespace corvinata
