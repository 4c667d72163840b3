#include "base/text_file_encoding.h"

#include <gtest/gtest.h>

namespace corvinata {
namespace {

TEST(Windows1252Test, EveryByteSurvivesARoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const Char c = DecodeWindows1252(static_cast<std::uint8_t>(b));
        std::uint8_t back = 0;
        ASSERT_TRUE(EncodeWindows1252(c, back)) << b;
        EXPECT_EQ(back, b);
    }
}

struct CodePoint {
    std::uint8_t byte;
    std::uint16_t character;
};

class Windows1252TableTest : public ::testing::TestWithParam<CodePoint> {};

TEST_P(Windows1252TableTest, DecodesThePublishedCharacter) {
    EXPECT_EQ(static_cast<std::uint16_t>(DecodeWindows1252(GetParam().byte)),
              GetParam().character);
}

// Spot checks against the published code page: the edges of the 0x80-0x9F
// block, the undefined bytes, and Latin-1 beside it.
INSTANTIATE_TEST_SUITE_P(
    Published, Windows1252TableTest,
    ::testing::Values(CodePoint{0x41, 0x0041}, CodePoint{0x7F, 0x007F},
                      CodePoint{0x80, 0x20AC}, CodePoint{0x81, 0x0081},
                      CodePoint{0x85, 0x2026}, CodePoint{0x8A, 0x0160},
                      CodePoint{0x8D, 0x008D}, CodePoint{0x92, 0x2019},
                      CodePoint{0x96, 0x2013}, CodePoint{0x99, 0x2122},
                      CodePoint{0x9F, 0x0178}, CodePoint{0xA0, 0x00A0},
                      CodePoint{0xB0, 0x00B0}, CodePoint{0xFF, 0x00FF}));

TEST(Windows1252Test, CharactersOutsideTheCodePageHaveNoByte) {
    std::uint8_t byte = 7;
    for (const std::uint16_t c : {0x0100, 0x0416, 0x03B1, 0x2212, 0xD83D, 0xFFFD}) {
        EXPECT_FALSE(EncodeWindows1252(static_cast<Char>(c), byte)) << c;
    }
    EXPECT_EQ(byte, 7);
}

}  // namespace
}  // namespace corvinata
