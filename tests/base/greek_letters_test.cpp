#include "base/greek_letters.h"

#include <gtest/gtest.h>

#include <string>

#include "base/wide_string.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

int Glyph(int entry) { return static_cast<int>(GetGreekLetterGlyph(entry)); }

struct LookupCase {
    const char* label;
    const Char* text;
    int expected;
};

class AbbreviationLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(AbbreviationLookup, FindsExactAbbreviationOnly) {
    EXPECT_EQ(FindGreekLetterByAbbreviation(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AbbreviationLookup,
    testing::Values(LookupCase{"Alp", TXT("Alp"), 0}, LookupCase{"Eta", TXT("Eta"), 6},
                    LookupCase{"Ome", TXT("Ome"), 23},
                    LookupCase{"LowerCase", TXT("alp"), kNoGreekLetter},
                    LookupCase{"FullName", TXT("Alpha"), kNoGreekLetter},
                    LookupCase{"Empty", TXT(""), kNoGreekLetter}),
    [](const testing::TestParamInfo<LookupCase>& info) { return info.param.label; });

class NameLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(NameLookup, FindsExactNameOnly) {
    EXPECT_EQ(FindGreekLetterByName(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, NameLookup,
    testing::Values(LookupCase{"Omicron", TXT("Omicron"), 14}, LookupCase{"Mu", TXT("Mu"), 11},
                    LookupCase{"Abbreviation", TXT("Alp"), kNoGreekLetter},
                    LookupCase{"UpperCase", TXT("ALPHA"), kNoGreekLetter},
                    LookupCase{"TrailingBlank", TXT("Beta "), kNoGreekLetter}),
    [](const testing::TestParamInfo<LookupCase>& info) { return info.param.label; });

TEST(GreekLetterTable, EveryLetterIsFoundByItsOwnNameAndAbbreviation) {
    // A duplicated or misspelt row would make a lookup answer another index.
    for (int i = 0; i < kGreekLetterCount; ++i) {
        EXPECT_EQ(FindGreekLetterByName(GetGreekLetterName(i)), i) << i;
        EXPECT_EQ(FindGreekLetterByAbbreviation(GetGreekLetterAbbreviation(i)), i) << i;
    }
}

TEST(GreekLetterTable, AbbreviationsAreTheFirstLettersOfTheName) {
    int sameAsName = 0;
    for (int i = 0; i < kGreekLetterCount; ++i) {
        const std::string name = Utf8(GetGreekLetterName(i));
        const std::string abbreviation = Utf8(GetGreekLetterAbbreviation(i));
        EXPECT_EQ(abbreviation, name.substr(0, 3)) << name;
        if (abbreviation == name) ++sameAsName;
    }
    EXPECT_EQ(sameAsName, 10);
}

TEST(GreekLetterTable, LetterOutsideTheTableIsNamedQuestionMarks) {
    EXPECT_EQ(Utf8(GetGreekLetterName(kNoGreekLetter)), "???");
    EXPECT_EQ(Utf8(GetGreekLetterName(24)), "???");
    EXPECT_EQ(Utf8(GetGreekLetterAbbreviation(-7)), "???");
}

TEST(GreekLetterGlyphs, FirstSetRisesByOneAndSkipsDD) {
    EXPECT_EQ(Glyph(0), 0xCC);
    for (int i = 1; i < kGreekLetterCount; ++i) {
        const int step = i == 17 ? 2 : 1;   // sigma follows rho across 0xDD
        EXPECT_EQ(Glyph(i) - Glyph(i - 1), step) << i;
        EXPECT_NE(Glyph(i), 0xDD);
    }
    EXPECT_EQ(Glyph(23), 0xE4);
}

TEST(GreekLetterGlyphs, SecondSetIsContiguousFromB4) {
    for (int i = 0; i < kGreekLetterCount; ++i) {
        EXPECT_EQ(Glyph(kGreekLetterCount + i), 0xB4 + i) << i;
    }
}

TEST(GreekLetterGlyphs, EntriesOutsideBothSetsAreZero) {
    EXPECT_EQ(Glyph(-1), 0);
    EXPECT_EQ(Glyph(kGreekLetterGlyphCount), 0);
}

struct GreyCase {
    std::int32_t percent;
    int level;
};

class PercentToGrey : public testing::TestWithParam<GreyCase> {};

TEST_P(PercentToGrey, AllChannelsEqualTheRoundedLevel) {
    const Colour grey = PercentToGreyColour(GetParam().percent);
    EXPECT_EQ(grey.red, GetParam().level);
    EXPECT_EQ(grey.green, GetParam().level);
    EXPECT_EQ(grey.blue, GetParam().level);
    EXPECT_EQ(grey.ToColorRef() >> 24, 0u);
}

// 10, 30, 50, 70 and 90 per cent fall exactly on a half and round up.
INSTANTIATE_TEST_SUITE_P(
    Levels, PercentToGrey,
    testing::Values(GreyCase{0, 0}, GreyCase{50, 128}, GreyCase{100, 255}, GreyCase{80, 204},
                    GreyCase{1, 3}, GreyCase{99, 252}, GreyCase{10, 26}, GreyCase{30, 77},
                    GreyCase{70, 179}, GreyCase{90, 230}));

TEST(PercentToGreyRegression, PercentBelowHundredIsNotTruncatedToBlack) {
    // percent / 100 taken in whole numbers is 0 for every percentage below 100.
    EXPECT_EQ(PercentToGreyColour(50).red, 128);
    EXPECT_EQ(PercentToGreyColour(99).red, 252);
}

TEST(PercentToGreyRegression, PercentOutsideRangeIsClampedNotWrapped) {
    EXPECT_EQ(PercentToGreyColour(150).red, 255);
    EXPECT_EQ(PercentToGreyColour(-20).red, 0);
    EXPECT_EQ(PercentToGreyColour(INT32_MAX).red, 255);
    EXPECT_EQ(PercentToGreyColour(INT32_MIN).red, 0);
}

struct PossessiveCase {
    const Char* text;
    const char* expected;
};

class Possessive : public testing::TestWithParam<PossessiveCase> {};

TEST_P(Possessive, AppendsApostropheOrApostropheS) {
    String text(GetParam().text);
    AppendPossessiveSuffix(text);
    EXPECT_EQ(Utf8(text.Text()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Words, Possessive,
    testing::Values(PossessiveCase{TXT("Jupiter"), "Jupiter's"}, PossessiveCase{TXT("Mars"), "Mars'"},
                    PossessiveCase{TXT("MARS"), "MARS'"}, PossessiveCase{TXT(""), "'s"},
                    PossessiveCase{TXT("s"), "s'"}, PossessiveCase{TXT("Venus "), "Venus 's"}));

TEST(FindCharInText, AnswersFirstPositionOrMinusOne) {
    EXPECT_EQ(FindCharInText(TXT("Saturn"), 'S'), 0);
    EXPECT_EQ(FindCharInText(TXT("a.b.c"), '.'), 1);
    EXPECT_EQ(FindCharInText(TXT("Saturn"), 's'), -1);
    EXPECT_EQ(FindCharInText(TXT(""), 'x'), -1);
    EXPECT_EQ(FindCharInText(TXT("abc"), 0), -1);
    EXPECT_EQ(FindCharInText(nullptr, 'x'), -1);
}

}  // namespace
}  // namespace corvinata
