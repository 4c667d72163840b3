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
    // Nothing left to drop: the text stays empty and the buffer untouched.
    for (int i = 0; i < 4; ++i) StringWithoutLastChar(text);
    EXPECT_TRUE(Utf8(text).empty() && text.Text() == buffer && text.Capacity() == 4);
    String never;
    EXPECT_TRUE(StringWithoutLastChar(never).IsShared());
}

TEST(SkipDegreeSign, StepsOverOneOptionalSignWithoutCounting) {
    TextScanner scanner(TXT("12\u00B0\u00B0"));
    int whole = 0;
    scanner.ReadInteger(whole).SkipDegreeSign();
    EXPECT_TRUE(scanner.position == 3 && scanner.matchCount == 1);
    // One sign per step; at the end, or before another character, no failure.
    scanner.SkipDegreeSign().SkipDegreeSign().SkipDegreeSign();
    EXPECT_TRUE(scanner.ok && scanner.position == 4);
    TextScanner other(TXT("5'"));
    EXPECT_TRUE(other.SkipDegreeSign().ok && other.position == 0);
    TextScanner failed(TXT("\u00B0"));  // nothing after a failed step
    EXPECT_FALSE(failed.Accept(TXT("x")).SkipDegreeSign().ok || failed.position != 0);
}

// The side letter is cut off the text before the angle is read; the sign and
// blanks before it must survive the cut.
TEST(SideLetterReading, LetterIsRemovedAndTheRestRead) {
    LongitudeValue west, east;
    ASSERT_TRUE(LongitudeParse(west, TXT("12.5\u00B0 W")));
    ASSERT_TRUE(LongitudeParse(east, TXT("12.5\u00B0 E")));
    EXPECT_DOUBLE_EQ(east.degrees, -west.degrees);
    EXPECT_DOUBLE_EQ(std::abs(west.degrees), 12.5);
    LatitudeValue latitude;
    ASSERT_TRUE(LatitudeParse(latitude, TXT("45 S")));
    EXPECT_DOUBLE_EQ(latitude.degrees, -45.0);
    EXPECT_FALSE(LatitudeParse(latitude, TXT("N")));  // a lone letter leaves nothing to read
    EXPECT_DOUBLE_EQ(latitude.degrees, -45.0);
}

TEST(GreekLetterGlyphs, ArrayHoldsBothSetsInEntryOrder) {
    const Char* glyphs = GreekLetterGlyphs();
    for (int entry = 0; entry < kGreekLetterGlyphCount; ++entry)
        EXPECT_EQ(glyphs[entry], GetGreekLetterGlyph(entry)) << "entry " << entry;
}

}  // namespace
}  // namespace corvinata
