#include "base/colour_table.h"

#include <gtest/gtest.h>

#include <string>

#include "base/wide_string.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

std::string Html(Colour colour) {
    String out(TXT("stale text that must be replaced"));
    FormatColourHtml(colour, out);
    return Utf8(out.Text());
}

struct ColourNameCase {
    const char* label;
    const Char* name;
    int code;   // -1: not found
};

class ColourByName : public testing::TestWithParam<ColourNameCase> {};

TEST_P(ColourByName, FoldsAsciiCaseOnly) {
    const ColourEntry* entry = FindColourByName(GetParam().name);
    if (GetParam().code < 0) {
        EXPECT_EQ(entry, nullptr);
    } else {
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->code, GetParam().code);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, ColourByName,
    testing::Values(ColourNameCase{"MixedCase", TXT("dark RED"), 8},
                    ColourNameCase{"Exact", TXT("Light grey"), 16},
                    ColourNameCase{"Black", TXT("BLACK"), 0},
                    ColourNameCase{"TwoBlanks", TXT("Dark  red"), -1},
                    ColourNameCase{"Unknown", TXT("Orange"), -1},
                    ColourNameCase{"AmericanSpelling", TXT("Gray"), -1},
                    ColourNameCase{"Prefix", TXT("Dark"), -1},
                    ColourNameCase{"Empty", TXT(""), -1}),
    [](const testing::TestParamInfo<ColourNameCase>& info) { return info.param.label; });

TEST(ColourTable, EveryNameFindsItsOwnEntry) {
    for (int code = 0; code < kColourCount; ++code) {
        const ColourEntry* entry = FindColourByName(kColourTable[code].name);
        ASSERT_NE(entry, nullptr) << code;
        EXPECT_EQ(entry, &kColourTable[code]);
        EXPECT_EQ(FindColourByCode(code), &kColourTable[code]);
    }
}

TEST(ColourTable, CodeOutsideTableHasNoEntry) {
    EXPECT_EQ(FindColourByCode(-1), nullptr);
    EXPECT_EQ(FindColourByCode(kColourCount), nullptr);
}

TEST(ColourTable, BrownIsTheOliveOfTheSavedGraphs) {
    const ColourEntry* brown = FindColourByName(TXT("Brown"));
    ASSERT_NE(brown, nullptr);
    EXPECT_EQ(brown->code, 10);
    EXPECT_EQ(Html(brown->colour), "808000");
}

TEST(ColourTable, ColorRefHasRedInLowestByte) {
    EXPECT_EQ(FindColourByName(TXT("Red"))->colour.ToColorRef(), 0x0000FFu);
    EXPECT_EQ(FindColourByName(TXT("Blue"))->colour.ToColorRef(), 0xFF0000u);
    EXPECT_EQ(FindColourByName(TXT("Dark cyan"))->colour.ToColorRef(), 0x808000u);
}

struct HtmlCase {
    const Char* name;
    const char* html;
};

class ColourHtml : public testing::TestWithParam<HtmlCase> {};

TEST_P(ColourHtml, WritesRedGreenBlueInUpperCaseHex) {
    const ColourEntry* entry = FindColourByName(GetParam().name);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(Html(entry->colour), GetParam().html);
}

INSTANTIATE_TEST_SUITE_P(Colours, ColourHtml,
                         testing::Values(HtmlCase{TXT("Light grey"), "C0C0C0"},
                                         HtmlCase{TXT("Dark red"), "800000"},
                                         HtmlCase{TXT("Dark green"), "008000"},
                                         HtmlCase{TXT("Magenta"), "FF00FF"},
                                         HtmlCase{TXT("Dark grey"), "404040"},
                                         HtmlCase{TXT("Black"), "000000"}));

TEST(ColourHtmlOrder, ChannelOrderIsRedGreenBlue) {
    EXPECT_EQ(Html(Colour{0x12, 0xAB, 0x0F}), "12AB0F");
}

struct UnitCase {
    const char* label;
    const Char* text;
    int index;
};

class DistanceUnitByName : public testing::TestWithParam<UnitCase> {};

TEST_P(DistanceUnitByName, ComparesExactly) {
    EXPECT_EQ(FindDistanceUnitByName(GetParam().text), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Names, DistanceUnitByName,
    testing::Values(UnitCase{"Miles", TXT("Miles"), kMiles},
                    UnitCase{"LowerCase", TXT("miles"), kDistanceUnitNotFound},
                    UnitCase{"Invalid", TXT("Invalid"), kInvalidDistanceUnit},
                    UnitCase{"Kilometers", TXT("Kilometers"), kKilometres},
                    UnitCase{"BritishSpelling", TXT("Kilometres"), kDistanceUnitNotFound},
                    UnitCase{"Abbreviation", TXT("km"), kDistanceUnitNotFound},
                    UnitCase{"AstronomicalUnits", TXT("Astronomical Units"), kAstronomicalUnits}),
    [](const testing::TestParamInfo<UnitCase>& info) { return info.param.label; });

class DistanceUnitByCode : public testing::TestWithParam<UnitCase> {};

TEST_P(DistanceUnitByCode, ComparesExactly) {
    EXPECT_EQ(FindDistanceUnitByCode(GetParam().text), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, DistanceUnitByCode,
    testing::Values(UnitCase{"AU", TXT("AU"), kAstronomicalUnits},
                    UnitCase{"LowerCaseAU", TXT("au"), kDistanceUnitNotFound},
                    UnitCase{"km", TXT("km"), kKilometres}, UnitCase{"mi", TXT("mi"), kMiles},
                    UnitCase{"Invalid", TXT("Invalid"), kInvalidDistanceUnit},
                    UnitCase{"LongName", TXT("Miles"), kDistanceUnitNotFound}),
    [](const testing::TestParamInfo<UnitCase>& info) { return info.param.label; });

TEST(DistanceUnitTable, NamesAndCodesRoundTripForEveryRow) {
    const DistanceUnitTable& table = DistanceUnitNames();
    EXPECT_EQ(table.unitCount, 3);
    for (int unit = 0; unit <= table.unitCount; ++unit) {
        EXPECT_EQ(FindDistanceUnitByName(GetDistanceUnitName(unit)), unit);
        EXPECT_EQ(FindDistanceUnitByCode(GetDistanceUnitCode(unit)), unit);
    }
    EXPECT_EQ(Utf8(GetDistanceUnitName(kKilometres)), "Kilometers");
    EXPECT_EQ(Utf8(GetDistanceUnitCode(kAstronomicalUnits)), "AU");
}

TEST(DistanceUnitTable, IndexOutsideTableGivesInvalidRowNotStrayMemory) {
    for (int index : {-1, 4, 1000}) {
        EXPECT_EQ(Utf8(GetDistanceUnitName(index)), "Invalid") << index;
        EXPECT_EQ(Utf8(GetDistanceUnitCode(index)), "Invalid") << index;
    }
}

}  // namespace
}  // namespace corvinata
