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

TEST(ColourTable, NamesFoldAsciiCaseOnly) {
    const struct { const Char* name; int code; } cases[] = {  // code -1: not found
        {TXT("dark RED"), 8}, {TXT("BLACK"), 0}, {TXT("Dark  red"), -1},
        {TXT("Gray"), -1}, {TXT("Dark"), -1}, {TXT(""), -1}};
    for (const auto& c : cases) {
        const ColourEntry* entry = FindColourByName(c.name);
        EXPECT_EQ(entry ? entry->code : -1, c.code) << Utf8(c.name);
    }
}

TEST(ColourTable, EveryNameAndCodeFindsItsOwnEntry) {
    for (int code = 0; code < kColourCount; ++code) {
        EXPECT_EQ(FindColourByName(kColourTable[code].name), &kColourTable[code]) << code;
        EXPECT_EQ(FindColourByCode(code), &kColourTable[code]) << code;
    }
    EXPECT_EQ(FindColourByCode(-1), nullptr);
    EXPECT_EQ(FindColourByCode(kColourCount), nullptr);
}

// HTML writes red, green, blue; a COLORREF holds red in its lowest byte.
// Brown is the olive of the saved graphs.
TEST(ColourTable, ChannelOrderOfHtmlAndColorRef) {
    EXPECT_EQ(Html(Colour{0x12, 0xAB, 0x0F}), "12AB0F");
    EXPECT_EQ(Html(FindColourByName(TXT("Light grey"))->colour), "C0C0C0");
    EXPECT_EQ(Html(FindColourByCode(10)->colour), "808000");
    EXPECT_EQ(Utf8(FindColourByCode(10)->name), "Brown");
    EXPECT_EQ(FindColourByName(TXT("Red"))->colour.ToColorRef(), 0x0000FFu);
    EXPECT_EQ(FindColourByName(TXT("Blue"))->colour.ToColorRef(), 0xFF0000u);
}

// Names and codes are compared exactly: no case folding, no other spellings.
TEST(DistanceUnitTable, NamesAndCodesAreExact) {
    const struct { const Char* text; int byName, byCode; } cases[] = {
        {TXT("Miles"), kMiles, kDistanceUnitNotFound},
        {TXT("miles"), kDistanceUnitNotFound, kDistanceUnitNotFound},
        {TXT("Kilometres"), kDistanceUnitNotFound, kDistanceUnitNotFound},
        {TXT("AU"), kDistanceUnitNotFound, kAstronomicalUnits},
        {TXT("au"), kDistanceUnitNotFound, kDistanceUnitNotFound},
        {TXT("Invalid"), kInvalidDistanceUnit, kInvalidDistanceUnit}};
    for (const auto& c : cases) {
        EXPECT_EQ(FindDistanceUnitByName(c.text), c.byName) << Utf8(c.text);
        EXPECT_EQ(FindDistanceUnitByCode(c.text), c.byCode) << Utf8(c.text);
    }
}

// An index outside the table gives the invalid row, not stray memory.
TEST(DistanceUnitTable, NamesAndCodesRoundTripForEveryRow) {
    for (int unit = 0; unit <= 3; ++unit) {
        EXPECT_EQ(FindDistanceUnitByName(GetDistanceUnitName(unit)), unit);
        EXPECT_EQ(FindDistanceUnitByCode(GetDistanceUnitCode(unit)), unit);
    }
    for (int index : {-1, 4}) {
        EXPECT_EQ(Utf8(GetDistanceUnitName(index)), "Invalid") << index;
        EXPECT_EQ(Utf8(GetDistanceUnitCode(index)), "Invalid") << index;
    }
}

}  // namespace
}  // namespace corvinata
