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
    StringWithoutLastChar(text);
    EXPECT_EQ(Utf8(text), "12 ");
    EXPECT_EQ(text.Text(), buffer);
    EXPECT_EQ(text.Capacity(), 4);
    StringWithoutLastChar(StringWithoutLastChar(StringWithoutLastChar(text)));
    EXPECT_EQ(Utf8(text), "");
    // Nothing left to drop: the text stays empty and the buffer untouched.
    StringWithoutLastChar(text);
    EXPECT_EQ(Utf8(text), "");
    EXPECT_EQ(text.Capacity(), 4);

    String never;
    StringWithoutLastChar(never);
    EXPECT_TRUE(never.IsShared());
    EXPECT_TRUE(never.IsEmpty());
}

TEST(SkipDegreeSign, StepsOverAnOptionalSignWithoutCounting) {
    TextScanner scanner(TXT("12\u00B0\u00B0"));
    int whole = 0;
    scanner.ReadInteger(whole).SkipDegreeSign();
    EXPECT_TRUE(scanner.ok);
    EXPECT_EQ(scanner.position, 3);
    EXPECT_EQ(scanner.matchCount, 1);
    // Only one sign is taken.
    scanner.SkipDegreeSign().SkipDegreeSign();
    EXPECT_EQ(scanner.position, 4);
    EXPECT_TRUE(scanner.AtEnd());
    // At the end, or before another character, it is no failure.
    scanner.SkipDegreeSign();
    EXPECT_TRUE(scanner.ok);
    EXPECT_EQ(scanner.position, 4);

    TextScanner other(TXT("5'"));
    other.SkipDegreeSign();
    EXPECT_TRUE(other.ok);
    EXPECT_EQ(other.position, 0);
}

TEST(SkipDegreeSign, DoesNothingAfterAFailedStep) {
    TextScanner scanner(TXT("\u00B0"));
    scanner.Accept(TXT("x")).SkipDegreeSign();
    EXPECT_FALSE(scanner.ok);
    EXPECT_EQ(scanner.position, 0);
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
    EXPECT_EQ(glyphs[0], Char(0xCC));
    EXPECT_EQ(glyphs[16], Char(0xDC));
    EXPECT_EQ(glyphs[17], Char(0xDE));
    EXPECT_EQ(glyphs[23], Char(0xE4));
    EXPECT_EQ(glyphs[24], Char(0xB4));
    EXPECT_EQ(glyphs[47], Char(0xCB));
}

}  // namespace
}  // namespace corvinata
