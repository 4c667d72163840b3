#include "app/bmp_image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/picture_references.h"
#include "support/test_data.h"

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

// A BMP file of the program's own layout with room for its rows, and the
// field at `offset` of it set.
std::vector<std::uint8_t> BmpFile(int width, int height, int bits) {
    const BmpLayout layout = BmpLayoutFor(width, height, bits);
    std::vector<std::uint8_t> file = BmpHeaders(width, height, layout);
    file.resize(layout.fileSize, 0);
    return file;
}

void Put32(std::vector<std::uint8_t>& file, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) file[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(BmpFileLayout, AcceptsWhatTheFileHoldsAndNothingBeyond) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> file;
        bool accepted;
    };
    std::vector<Case> cases;
    cases.push_back({"24 bits", BmpFile(6, 4, 24), true});
    cases.push_back({"4 bits, 16 colours", BmpFile(6, 4, 4), true});
    std::vector<std::uint8_t> file = BmpFile(6, 4, 4);
    Put32(file, 46, 3);  // three colours used: a shorter palette, the rows where they were
    cases.push_back({"4 bits, 3 colours", file, true});
    Put32(file, 46, 17);
    cases.push_back({"4 bits, 17 colours", file, false});
    // 2^30 colours: four bytes each wrap a 32-bit size to nothing.
    Put32(file, 46, 1u << 30);
    cases.push_back({"4 bits, 2^30 colours", file, false});
    file = BmpFile(16, 16, 24);
    Put32(file, 14, 0xFFFFFFF2);  // 14 + the header's size wraps to 0
    cases.push_back({"header size wraps", file, false});
    Put32(file, 14, 125);
    cases.push_back({"header beyond the largest kind", file, false});
    file = BmpFile(16, 16, 24);
    Put32(file, 22, 0x80000000);  // the lowest height: no positive one to turn it into
    cases.push_back({"height -2^31", file, false});
    Put32(file, 22, static_cast<std::uint32_t>(-16));
    cases.push_back({"top down", file, true});
    Put32(file, 30, 1);  // run-length coded rows are bottom up only
    cases.push_back({"top-down run-length coding", file, false});
    file = BmpFile(16, 16, 24);
    Put32(file, 18, 4097);
    Put32(file, 22, 4096);
    cases.push_back({"more pixels than a picture may have", file, false});
    file = BmpFile(16, 16, 24);
    file.pop_back();
    cases.push_back({"a row short", file, false});
    file = BmpFile(16, 16, 8);
    Put32(file, 10, 54 + 1020);  // the pixels start inside the palette
    cases.push_back({"pixels inside the palette", file, false});
    for (const Case& c : cases) {
        BmpFileLayout layout;
        ASSERT_EQ(ReadBmpFileLayout(c.file.data(), c.file.size(), layout), c.accepted) << c.what;
        if (!c.accepted) continue;
        EXPECT_LE(kBmpInfoOffset + layout.infoSize, layout.pixelOffset) << c.what;
        EXPECT_LE(layout.pixelOffset + layout.pixelBytes, c.file.size()) << c.what;
        EXPECT_EQ(layout.width, c.file[18]) << c.what;
    }
}

// The files that once let the system's drawing read beyond the file's
// header copy, or end the program.
TEST(BmpFileLayout, FilesThatOnceEndedTheProgramAreRefused) {
    for (const char* name : {"palette_count_wraps.bmp", "header_size_wraps.bmp"}) {
        const std::vector<std::uint8_t> file = test::ReadFileBytes(test::TestsPath("fuzz/bmp/failures/") + name);
        ASSERT_FALSE(file.empty()) << name;
        BmpFileLayout layout;
        EXPECT_FALSE(ReadBmpFileLayout(file.data(), file.size(), layout)) << name;
    }
}

}  // namespace
}  // namespace corvinata
