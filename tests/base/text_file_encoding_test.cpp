#include "base/text_file_encoding.h"

#include <gtest/gtest.h>

namespace corvinata {
namespace {

TEST(Windows1252Test, EveryByteSurvivesARoundTripAndOtherCharactersHaveNoByte) {
    for (int b = 0; b < 256; ++b) {
        std::uint8_t back = 0;
        ASSERT_TRUE(EncodeWindows1252(DecodeWindows1252(static_cast<std::uint8_t>(b)), back)) << b;
        EXPECT_EQ(back, b);
    }
    std::uint8_t byte = 7;
    for (const std::uint16_t c : {0x0100, 0x0416, 0x2212, 0xD83D, 0xFFFD}) {
        EXPECT_FALSE(EncodeWindows1252(static_cast<Char>(c), byte)) << c;
    }
    EXPECT_EQ(byte, 7);
}

// Spot checks against the published code page: the edges of the 0x80-0x9F
// block, an undefined byte, and Latin-1 beside it.
TEST(Windows1252Test, DecodesThePublishedCharacter) {
    const std::uint16_t published[][2] = {{0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081},
                                          {0x92, 0x2019}, {0x9F, 0x0178}, {0xA0, 0x00A0},
                                          {0xFF, 0x00FF}};
    for (const auto& p : published) {
        EXPECT_EQ(static_cast<std::uint16_t>(DecodeWindows1252(static_cast<std::uint8_t>(p[0]))),
                  p[1]) << p[0];
    }
}

}  // namespace
}  // namespace corvinata
