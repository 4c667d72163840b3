#include "base/greek_letters.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/wide_string.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

int Glyph(int entry) { return static_cast<int>(GetGreekLetterGlyph(entry)); }

// Names and abbreviations are found exactly: no case folding, no blanks.
TEST(GreekLetterTable, LookupIsExact) {
    const int no = kNoGreekLetter;
    const struct { const Char* text; int byAbbreviation, byName; } cases[] = {
        {TXT("Alp"), 0, no}, {TXT("Eta"), 6, 6}, {TXT("Omicron"), no, 14},
        {TXT("alp"), no, no}, {TXT("Beta "), no, no}, {TXT(""), no, no}};
    for (const auto& c : cases) {
        EXPECT_EQ(FindGreekLetterByAbbreviation(c.text), c.byAbbreviation) << Utf8(c.text);
        EXPECT_EQ(FindGreekLetterByName(c.text), c.byName) << Utf8(c.text);
    }
    EXPECT_EQ(Utf8(GetGreekLetterName(kNoGreekLetter)), "???");
    EXPECT_EQ(Utf8(GetGreekLetterAbbreviation(24)), "???");
}

// A duplicated or misspelt row would make a lookup answer another index.
TEST(GreekLetterTable, EveryRowIsFoundAndAbbreviatesItsName) {
    int sameAsName = 0;
    for (int i = 0; i < kGreekLetterCount; ++i) {
        EXPECT_EQ(FindGreekLetterByName(GetGreekLetterName(i)), i) << i;
        EXPECT_EQ(FindGreekLetterByAbbreviation(GetGreekLetterAbbreviation(i)), i) << i;
        const std::string name = Utf8(GetGreekLetterName(i));
        const std::string abbreviation = Utf8(GetGreekLetterAbbreviation(i));
        EXPECT_EQ(abbreviation, name.substr(0, 3)) << name;
        sameAsName += abbreviation == name;
    }
    EXPECT_EQ(sameAsName, 10);
}

TEST(GreekLetterGlyphs, FirstSetSkipsDDAndSecondSetIsContiguousFromB4) {
    EXPECT_EQ(Glyph(0), 0xCC);
    for (int i = 1; i < kGreekLetterCount; ++i)
        EXPECT_EQ(Glyph(i) - Glyph(i - 1), i == 17 ? 2 : 1) << i;  // sigma follows rho
    for (int i = 0; i < kGreekLetterCount; ++i) EXPECT_EQ(Glyph(kGreekLetterCount + i), 0xB4 + i);
    EXPECT_EQ(Glyph(-1), 0);
    EXPECT_EQ(Glyph(kGreekLetterGlyphCount), 0);
}

// 10, 30, 50, 70 and 90 per cent fall exactly on a half and round up.
TEST(PercentToGrey, AllChannelsEqualTheRoundedLevel) {
    const std::int32_t cases[][2] = {
        {0, 0}, {100, 255}, {1, 3}, {10, 26}, {90, 230},
        // Regressions: whole-number percent / 100 made every level below 100
        // black, and levels outside 0..100 wrapped instead of clamping.
        {50, 128}, {99, 252}, {150, 255}, {INT32_MAX, 255}, {INT32_MIN, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(PercentToGreyColour(c[0]).ToColorRef(), 0x010101u * c[1]) << c[0];
}

TEST(AppendPossessiveSuffix, AppendsApostropheOrApostropheS) {
    const struct { const Char* text; const char* expected; } cases[] = {
        {TXT("Jupiter"), "Jupiter's"}, {TXT("MARS"), "MARS'"}, {TXT(""), "'s"},
        {TXT("Venus "), "Venus 's"}};
    for (const auto& c : cases) {
        String text(c.text);
        AppendPossessiveSuffix(text);
        EXPECT_EQ(Utf8(text), c.expected);
    }
}

TEST(FindCharInText, AnswersFirstPositionOrMinusOne) {
    EXPECT_EQ(FindCharInText(TXT("a.b.c"), '.'), 1);
    EXPECT_EQ(FindCharInText(TXT("Saturn"), 's'), -1);
    EXPECT_EQ(FindCharInText(TXT("abc"), 0), -1);
    EXPECT_EQ(FindCharInText(nullptr, 'x'), -1);
}

}  // namespace
}  // namespace corvinata
