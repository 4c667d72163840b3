// The explorers' pictures under Wine: the maps and the ring as the program
// carries them, and the loader's refusals.
#include "views/explorer_textures_win.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "generated/explorer_pictures.h"
#include "support/picture_references.h"

namespace corvinata {
namespace {

// A 24-bit BMP file: the top half one colour, the bottom half another
// (blue, green, red).
std::vector<std::uint8_t> TwoHalvesBmp(int width, int height, const std::uint8_t top[3],
                                       const std::uint8_t bottom[3]) {
    const int stride = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> file(14 + 40 + static_cast<std::size_t>(stride) * height);
    auto put32 = [&file](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    file[26] = 1;
    file[28] = 24;
    for (int y = 0; y < height; ++y) {  // bottom row first
        const std::uint8_t* colour = y < height / 2 ? bottom : top;
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c) file[54 + static_cast<std::size_t>(y) * stride + x * 3 + c] = colour[c];
        }
    }
    return file;
}

const std::uint8_t kRed[3] = {0, 0, 255};
const std::uint8_t kBlue[3] = {255, 0, 0};

// First: a Wine that cannot decode the program's pictures fails here.
TEST(ExplorerTextures, TheProgramsMapsAndRingLoadAtTheirSizes) {
    HMODULE module = GetModuleHandleW(nullptr);
    struct Case {
        const Char* name;
        int width, height;
    };
    const Case cases[] = {{TXT("AST_PIXMAP_JUPITER"), 1024, 512},
                          {TXT("AST_PIXMAP_SATURN"), 1024, 512},
                          {TXT("AST_PIXMAP_SATURN_RING"), 1024, 1}};
    for (const Case& c : cases) {
        ExplorerImage image;
        ASSERT_TRUE(LoadExplorerImage(module, c.name, c.width, c.height, image)) << c.width << "x" << c.height;
        EXPECT_EQ(image.bgr.size(), static_cast<std::size_t>(c.width) * c.height * 3);
        // The middle of a planet's disc is lit: never black.
        const std::size_t middle = (static_cast<std::size_t>(c.height / 2) * c.width + c.width / 2) * 3;
        EXPECT_GT(image.bgr[middle] + image.bgr[middle + 1] + image.bgr[middle + 2], 60);
    }
    ExplorerImage ring;
    ASSERT_TRUE(LoadExplorerImage(module, TXT("AST_PIXMAP_SATURN_RING"), 1024, 1, ring));
    const int at = static_cast<int>((100000.0 - 74400.0) / (140154.0 - 74400.0) * 1023 + 0.5);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(ring.bgr[at * 3 + c], explorer_pictures::kRingTexelAt100000Km[c]) << c;
    }
    // The Cassini Division (about 117,600-122,000 km) shows dark.
    const int cassini = static_cast<int>((119500.0 - 74400.0) / (140154.0 - 74400.0) * 1023 + 0.5);
    EXPECT_LT(ring.bgr[cassini * 3] + ring.bgr[cassini * 3 + 1] + ring.bgr[cassini * 3 + 2], 3 * 40);
}

// The planet maps are the files' own pixels, not a system decoder's
// fringed version of them.
TEST(ExplorerTextures, PlanetMapsHoldTheirFilesOwnPixels) {
    struct Case {
        const Char* resource;
        const char* file;
    };
    const Case cases[] = {{TXT("AST_PIXMAP_JUPITER"), "jupiter_1024x512.jpg"},
                          {TXT("AST_PIXMAP_SATURN"), "saturn_1024x512.jpg"}};
    for (const Case& c : cases) {
        ExplorerImage image;
        ASSERT_TRUE(LoadExplorerImage(GetModuleHandleW(nullptr), c.resource, 1024, 512, image)) << c.file;
        const PictureImage reference = test::ReferencePixels(c.file, 1024, 512);
        ASSERT_FALSE(reference.IsEmpty()) << c.file;
        const test::PixelDifference d = test::ComparePixels(image.bgr, RowsBottomFirst(reference));
        EXPECT_TRUE(test::WithinJpegRounding(d)) << c.file << ": " << d.largest << " " << d.beyondOne;
    }
}

TEST(ExplorerTextures, RowsComeBottomFirstWithoutPadding) {
    // 6 pixels a row: 18 bytes, padded to 20 in the file.
    const auto file = TwoHalvesBmp(6, 4, kRed, kBlue);
    ExplorerImage image;
    ASSERT_TRUE(DecodeExplorerImage(file.data(), file.size(), 6, 4, image));
    ASSERT_EQ(image.bgr.size(), 6u * 4u * 3u);
    EXPECT_EQ(image.bgr[0], 255);       // bottom row: blue (the south)
    EXPECT_EQ(image.bgr[2], 0);
    EXPECT_EQ(image.bgr[3 * 18 + 2], 255);  // top row: red (the north)
    EXPECT_EQ(image.bgr[3 * 18 + 0], 0);
}

TEST(ExplorerTextures, OtherSizesAndBrokenPicturesAreRefused) {
    const auto file = TwoHalvesBmp(16, 8, kRed, kBlue);
    ExplorerImage image;
    EXPECT_FALSE(DecodeExplorerImage(file.data(), file.size(), 1024, 512, image));
    EXPECT_TRUE(image.bgr.empty());
    const std::uint8_t garbage[] = {'B', 'M', 1, 2, 3, 4, 5};
    EXPECT_FALSE(DecodeExplorerImage(garbage, sizeof garbage, 16, 8, image));
    EXPECT_FALSE(LoadExplorerImage(GetModuleHandleW(nullptr), TXT("AST_PIXMAP_NONE"), 16, 8, image));
}

}  // namespace
}  // namespace corvinata
