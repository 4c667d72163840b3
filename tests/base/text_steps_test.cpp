#include <gtest/gtest.h>

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

}  // namespace
}  // namespace corvinata
