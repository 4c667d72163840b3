#include <gtest/gtest.h>

#include <cmath>

#include "base/angle_value.h"
#include "base/greek_letters.h"
#include "base/text_format.h"
#include "base/text_scanner.h"
#include "base/wide_string.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

TEST(StringWithoutLastChar, DropsOneCharacterAndKeepsTheBuffer) {
    String text(TXT("12 E"));
    const Char* buffer = text.Text();
    EXPECT_EQ(Utf8(StringWithoutLastChar(text)), "12 ");
    EXPECT_EQ(text.Text(), buffer);
    // Nothing left to drop: the text stays empty and the buffer untouched.
    for (int i = 0; i < 4; ++i) StringWithoutLastChar(text);
    EXPECT_EQ(Utf8(text), "");
    EXPECT_EQ(text.Capacity(), 4);
    String never;
    StringWithoutLastChar(never);
    EXPECT_TRUE(never.IsShared());
}

TEST(SkipDegreeSign, StepsOverOneOptionalSignWithoutCounting) {
    TextScanner scanner(TXT("12\u00B0\u00B0"));
    int whole = 0;
    scanner.ReadInteger(whole).SkipDegreeSign();
    EXPECT_EQ(scanner.position, 3);
    EXPECT_EQ(scanner.matchCount, 1);
    // One sign per step; at the end, or before another character, no failure.
    scanner.SkipDegreeSign().SkipDegreeSign().SkipDegreeSign();
    EXPECT_TRUE(scanner.ok);
    EXPECT_EQ(scanner.position, 4);
    TextScanner other(TXT("5'"));
    other.SkipDegreeSign();
    EXPECT_TRUE(other.ok);
    EXPECT_EQ(other.position, 0);
    // Nothing after a failed step.
    TextScanner failed(TXT("\u00B0"));
    failed.Accept(TXT("x")).SkipDegreeSign();
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.position, 0);
}

// The side letter is cut off the text before the angle is read; the sign and
// blanks before it must survive the cut.
TEST(SideLetterReading, LetterIsRemovedAndTheRestRead) {
    LongitudeValue longitude;
    ASSERT_TRUE(LongitudeParse(longitude, TXT("12.5\u00B0 W")));
    const double west = longitude.degrees;
    ASSERT_TRUE(LongitudeParse(longitude, TXT("12.5\u00B0 E")));
    EXPECT_DOUBLE_EQ(longitude.degrees, -west);
    EXPECT_DOUBLE_EQ(std::abs(west), 12.5);

    LatitudeValue latitude;
    ASSERT_TRUE(LatitudeParse(latitude, TXT("45 S")));
    EXPECT_DOUBLE_EQ(latitude.degrees, -45.0);
    // A lone letter leaves nothing to read.
    latitude.degrees = 10.0;
    EXPECT_FALSE(LatitudeParse(latitude, TXT("N")));
    EXPECT_DOUBLE_EQ(latitude.degrees, 10.0);
}

TEST(GreekLetterGlyphs, ArrayHoldsBothSetsInEntryOrder) {
    const Char* glyphs = GreekLetterGlyphs();
    for (int entry = 0; entry < kGreekLetterGlyphCount; ++entry) {
        EXPECT_EQ(glyphs[entry], GetGreekLetterGlyph(entry)) << "entry " << entry;
    }
}

}  // namespace
}  // namespace corvinata
