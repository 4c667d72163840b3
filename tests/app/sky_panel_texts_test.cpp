#include "app/sky_panel_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "base/time_systems.h"
#include "catalog/catalogue_registry.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"
#include "catalog/rise_set.h"
#include "support/catalogues.h"

namespace corvinata {
namespace {

std::u16string W(const Char* text) { return text ? std::u16string(reinterpret_cast<const char16_t*>(text)) : std::u16string(); }

TEST(SkyPanelTexts, EachCoordinateSystemNamesItsOwnTwoFields) {
    struct Case {
        const Char* system;
        const Char* first;
        const Char* second;
    } const cases[] = {{TXT("Equatorial"), TXT("Right ascension"), TXT("Declination")},
                       {TXT("Ecliptical"), TXT("Longitude"), TXT("Latitude")},
                       {TXT("Horizontal"), TXT("Azimuth"), TXT("Altitude")},
                       {TXT("Galactic"), TXT("Longitude"), TXT("Latitude")}};
    // The list order is the systems' codes.
    for (int system = 0; system < kSkyPanelCoordinateSystems; ++system) {
        const Case& c = cases[system];
        EXPECT_EQ(W(SkyCoordinateSystemName(system)), W(c.system));
        EXPECT_EQ(W(SkyFirstCoordinateLabel(system)), W(c.first));
        EXPECT_EQ(W(SkySecondCoordinateLabel(system)), W(c.second));
    }
}

// Sign 0 is named after Aries, sign 11 after Pisces; the property gives -1
// for a position it cannot place.
TEST(SkyPanelTexts, AbbreviationsOfTheConstellationAndOfTheSignsConstellation) {
    struct Case {
        double value;
        const Char* constellation;
        const Char* zodiac;
    } const cases[] = {{0.0, TXT("And"), TXT("Ari")}, {11.0, TXT("Cnc"), TXT("Psc")},
                       {87.0, TXT("Vul"), TXT("")},   {-1.0, TXT(""), TXT("")},
                       {88.0, TXT(""), TXT("")},      {3.0, TXT("Aqr"), TXT("Cnc")}};
    for (const Case& c : cases) {
        EXPECT_EQ(W(SkyConstellationAbbreviation(c.value)), W(c.constellation)) << c.value;
        EXPECT_EQ(W(SkyZodiacAbbreviation(c.value)), W(c.zodiac)) << c.value;
    }
}

// What one refresh computes: only the rows the body type has, and no event
// time where the event does not occur (the Sun at midsummer at 78 N).
TEST(SkyPanelTexts, TheObjectFieldsHoldWhatTheRowsShowAndNoEventThatDoesNotOccur) {
    test::ScopedCatalogues catalogues;
    struct Case {
        const CelestialObject* object;
        double latitude;
        bool magnitude, phase, rises;
    } const cases[] = {
        {GetCatalogueObject(kBodySun, 0), 52.5, false, false, true},
        {GetCatalogueObject(kBodySun, 0), 78.0, false, false, false},
        {GetCatalogueObject(kBodyMoon, 0), 52.5, false, true, true},
        {GetCatalogueObject(kBodyPlanet, 3), 52.5, true, true, true},
        {nullptr, 52.5, false, false, false},
    };
    for (const Case& c : cases) {
        TimeAndPlace moment;
        moment.dateTime = {2024, 6, 21, 12.0, kUniversalTime};
        moment.place.latitude = LatitudeValue(c.latitude, kLatitudeHemisphereLetter);
        const SkyPanelObject shown = ComputeSkyPanelObject(c.object, moment, 0, kUniversalTime);
        const bool selected = c.object != nullptr;
        EXPECT_EQ(shown.values.Has(kFunctionLongitude), selected) << c.latitude;
        EXPECT_EQ(shown.values.Has(kFunctionConstellation), selected);
        EXPECT_EQ(shown.values.Has(kFunctionMagnitude), c.magnitude);
        EXPECT_EQ(shown.values.Has(kFunctionPhase), c.phase);
        EXPECT_EQ(shown.riseSet.first.state == kEventOccurs, c.rises) << c.latitude;
    }
}

TEST(SkyPanelTexts, RowsFollowTheBodyTypeAndNoSelectionLeavesAllEmpty) {
    struct Case {
        int type;
        bool fields, magnitude, phase, highlight;
    } const cases[] = {
        {kBodySun, true, false, false, true},        {kBodyMoon, true, false, true, true},
        {kBodyPlanet, true, true, true, true},       {kBodyStar, true, true, false, true},
        {kBodyDeepSky, true, true, false, true},     {kBodyEarth, true, false, false, true},
        {kBodyConstellation, true, false, false, true}, {-1, false, false, false, false},
    };
    for (const Case& c : cases) {
        const SkyPanelRows rows = SkyPanelRowsFor(c.type);
        EXPECT_EQ(rows.objectFields, c.fields) << c.type;
        EXPECT_EQ(rows.magnitude, c.magnitude) << c.type;
        EXPECT_EQ(rows.phase, c.phase) << c.type;
        EXPECT_EQ(rows.highlight, c.highlight) << c.type;
    }
}

TEST(SkyPanelTexts, ListsReadBackByTextWhereTheirOrderDiffersFromTheCodes) {
    struct Case {
        SkyOptionList list;
        const Char* text;
        std::int32_t code;
        int position;
    } const cases[] = {
        {SkyOptionList::kGridType, TXT("Horizontal"), 1, 0},    {SkyOptionList::kGridType, TXT("Equatorial"), 2, 1},
        {SkyOptionList::kGridType, TXT("None"), 0, 2},          {SkyOptionList::kDeepSkyCatalogue, TXT("None"), 0, 0},
        {SkyOptionList::kDeepSkyCatalogue, TXT("Caldwell"), 3, 1},
        {SkyOptionList::kDeepSkyCatalogue, TXT("Herschel400"), 4, 2},
        {SkyOptionList::kDeepSkyCatalogue, TXT("Messier"), 1, 3},
        {SkyOptionList::kDeepSkyCatalogue, TXT("NGC/IC"), 2, 4}, {SkyOptionList::kMapType, TXT("Realistic"), 2, 2},
        {SkyOptionList::kHorizon, TXT("Seasonal"), 2, 2},       {SkyOptionList::kConstellationNames, TXT("Full"), 2, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SkyOptionCodeOf(c.list, c.text), c.code);
        EXPECT_EQ(SkyOptionPositionOf(c.list, c.code), c.position);
    }
}

TEST(SkyPanelTexts, AnUnknownTextFallsBackAsTheDialogRulesSay) {
    EXPECT_EQ(SkyOptionCodeOf(SkyOptionList::kHorizon, TXT("Modern")), 0);
    EXPECT_EQ(SkyOptionCodeOf(SkyOptionList::kMapType, TXT("")), 2);
    EXPECT_EQ(SkyOptionCodeOf(SkyOptionList::kGridType, TXT("Galactic")), 0);
    EXPECT_EQ(SkyOptionPositionOf(SkyOptionList::kGridType, 3), 2);  // a not-yet-set record shows "None"
}

TEST(SkyPanelTexts, AStoredTabOutsideTheFivePagesOpensGeneral) {
    for (const int tab : {-1, 5, 7, 15}) EXPECT_EQ(SkyOptionsPageOrGeneral(tab), 0) << tab;
    for (int tab = 0; tab < kSkyOptionsPageCount; ++tab) EXPECT_EQ(SkyOptionsPageOrGeneral(tab), tab);
}

TEST(SkyPanelTexts, AnUntouchedMagnitudeKeepsItsExactValue) {
    EXPECT_EQ(SkyMagnitudeReadBack(6.55, 6.6, 6.6), 6.55);
    EXPECT_EQ(SkyMagnitudeReadBack(6.55, 6.6, 7.2), 7.2);
    EXPECT_EQ(SkyMagnitudeReadBack(6.55, 6.6, 25.0), 20.0);
}

// Meeus, Astronomical Algorithms, example 12.b: 1987 April 10, 19:21:00 UT,
// mean sidereal time at Greenwich 8h 34m 57.09s. The local time subtracts
// the west-positive longitude: 77 deg west is 5h 8m earlier, 30 deg east 2h
// later.
TEST(SkyPanelTexts, LocalSiderealTimeSubtractsTheWestLongitude) {
    struct Case {
        double westDegrees;
        double expectedHours;
    } const cases[] = {{0.0, 8.0 + 34.0 / 60 + 57.09 / 3600},
                       {77.0, 8.0 + 34.0 / 60 + 57.09 / 3600 - 77.0 / 15.0},
                       {-30.0, 8.0 + 34.0 / 60 + 57.09 / 3600 + 2.0}};
    for (const Case& c : cases) {
        TimeAndPlace moment;
        moment.dateTime = DateTime{1987, 4, 10, 19.0 + 21.0 / 60.0, kUniversalTime};
        moment.place.longitude = LongitudeValue(c.westDegrees, kWestPositive);
        moment.place.timeZone.hours = 0.0;
        // About a second of time: the low-precision sidereal method.
        EXPECT_NEAR(SkyLocalSiderealHours(moment), c.expectedHours, 2.0 / 3600.0) << c.westDegrees;
    }
}

}  // namespace
}  // namespace corvinata
