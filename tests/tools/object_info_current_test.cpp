#include "tools/object_info_current.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "base/angle_value.h"
#include "base/date_time_text.h"
#include "catalog/body_properties.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

ObjectInfoState Berlin(int coordinateSystem, int timeSystem, int distanceSystem) {
    ObjectInfoState state;
    state.timeAndPlace.dateTime = {2024, 6, 21, 22.5, kLocalCivilTime};
    state.timeAndPlace.place.longitude = LongitudeValue(-13.4, kWestPositive);
    state.timeAndPlace.place.latitude = LatitudeValue(52.5, kLatitudeHemisphereLetter);
    state.timeAndPlace.place.timeZone.hours = 1.0;
    state.timeAndPlace.daylightSaving = true;
    state.coordinateSystem = coordinateSystem;
    state.timeSystem = timeSystem;
    state.distanceSystem = distanceSystem;
    return state;
}

// Angles in `angleDegreeBase`, right ascensions in hours.
QuantityFormatRequest Display(int angleDegreeBase) {
    QuantityFormatRequest display;
    display.angleDegreeBase = angleDegreeBase;
    display.raDisplayUnit = 1;
    return display;
}

std::set<std::uint32_t> OfferedBits(int kind) {
    std::set<std::uint32_t> bits;
    for (const EventKind* property : GetBodyType(kind)->Properties()) {
        if (FindObjectInfoField(property->GetId())) bits.insert(property->GetId());
    }
    return bits;
}

TEST(ObjectInfoCurrentPage, EachKindShowsItsOwnFieldsAndTheSelectorsTheyUse) {
    struct Case {
        int kind;
        bool coordinates;
        bool times;
        bool distances;
    };
    // Rise, set and culmination enable the time system alone; only the two
    // distances enable the distance unit.
    const Case cases[] = {
        {kBodySun, true, true, true},           {kBodyMoon, true, true, true},
        {kBodyPlanet, true, true, true},        {kBodyEarth, false, false, true},
        {kBodyStar, true, true, false},         {kBodyConstellation, true, true, false},
        {kBodyDeepSky, true, true, false},      {kBodySaturnSatellite, false, false, false},
        {kBodyJupiterSatellite, false, false, false},
    };
    for (const Case& c : cases) {
        const CelestialObject* body = GetCatalogueObject(c.kind, 0);
        ASSERT_NE(body, nullptr) << c.kind;
        const ObjectInfoCurrentTexts page = ComputeObjectInfoCurrent(*body, Berlin(0, 2, 2), Display(0));
        std::set<std::uint32_t> shown;
        for (const ObjectInfoFieldText& field : page.fields) {
            shown.insert(field.field->bit);
            EXPECT_FALSE(field.text.IsEmpty()) << c.kind << " " << field.field->bit;
        }
        EXPECT_EQ(shown, OfferedBits(c.kind)) << c.kind;
        EXPECT_EQ(page.coordinateSelector, c.coordinates) << c.kind;
        EXPECT_EQ(page.timeSelector, c.times) << c.kind;
        EXPECT_EQ(page.distanceSelector, c.distances) << c.kind;
    }
}

// Each field is the property calculators' own value for that body, time,
// place and systems, in the page's text form.
TEST(ObjectInfoCurrentPage, ValuesAreThePropertyCalculatorsOwn) {
    struct Case {
        int kind;
        int number;
        int coordinates;
        int times;
        int distances;
    };
    const Case cases[] = {{kBodyMoon, 0, 2, 0, 0}, {kBodyPlanet, 3, 0, 2, 2}, {kBodySun, 0, 1, 3, 1}};
    for (const Case& c : cases) {
        const CelestialObject& body = *GetCatalogueObject(c.kind, c.number);
        const ObjectInfoState state = Berlin(c.coordinates, c.times, c.distances);
        const ObjectInfoCurrentTexts page = ComputeObjectInfoCurrent(body, state, Display(kAngleDecimal));
        ASSERT_FALSE(page.fields.empty());
        for (const ObjectInfoFieldText& field : page.fields) {
            // Sizes below a degree have a text of the page's own (below).
            if (field.field->bit == kFunctionAngularSize) continue;
            PropertyMap values;
            ComputeBodyProperties(body, field.field->bit, state.timeAndPlace, values,
                                  {c.coordinates, c.times, c.distances});
            QuantityFormatRequest request;
            request.unitPrecision = 1;
            request.angleDegreeBase = kAngleDecimal;
            String expected;
            values.Format(field.field->bit, expected, request);
            EXPECT_EQ(Utf8(field.text), Utf8(expected)) << c.kind << " " << field.field->bit;
        }
    }
}

std::string FieldOf(const ObjectInfoCurrentTexts& page, std::uint32_t bit) {
    for (const ObjectInfoFieldText& field : page.fields) {
        if (field.field->bit == bit) return Utf8(field.text);
    }
    return "<none>";
}

// The number a text begins with.
double Leading(const std::string& text) { return std::atof(text.c_str()); }

// Small angles and distances keep their digits: a planet's disc in seconds
// of arc, the Moon's and the Sun's in minutes and seconds, the Moon's
// distance in km where AU would give "0.003 AU"; what has its digits keeps
// the chosen unit.
TEST(ObjectInfoCurrentPage, SmallSizesAndDistancesAreShownWithTheirDigits) {
    struct Case {
        int kind;
        int number;
        std::uint32_t bit;
        int distances;
        const char* unit;  // the text's end
        double low, high;  // the leading number
    };
    const Case cases[] = {
        {kBodyPlanet, 3, kFunctionAngularSize, 2, "\"", 30.0, 50.0},  // Jupiter
        {kBodyPlanet, 4, kFunctionAngularSize, 2, "\"", 14.0, 21.0},  // Saturn
        {kBodyMoon, 0, kFunctionAngularSize, 2, "\"", 29.0, 34.0},    // minutes first
        {kBodySun, 0, kFunctionAngularSize, 2, "\"", 31.0, 33.0},
        {kBodyMoon, 0, kFunctionDistanceFromEarth, 2, " km", 356000.0, 407000.0},
        {kBodyMoon, 0, kFunctionDistanceFromEarth, 1, " mi", 221000.0, 253000.0},
        {kBodySun, 0, kFunctionDistanceFromEarth, 2, " AU", 0.98, 1.02},
        {kBodyPlanet, 3, kFunctionDistanceFromEarth, 2, " AU", 5.0, 6.5},
    };
    for (const Case& c : cases) {
        const CelestialObject& body = *GetCatalogueObject(c.kind, c.number);
        for (int base : {kAngleSexagesimal, kAngleDecimal}) {
            const ObjectInfoCurrentTexts page =
                ComputeObjectInfoCurrent(body, Berlin(0, 2, c.distances), Display(base));
            const std::string text = FieldOf(page, c.bit);
            const std::string unit = c.unit;
            ASSERT_GT(text.size(), unit.size()) << c.kind << " " << c.bit;
            EXPECT_EQ(text.substr(text.size() - unit.size()), unit) << text;
            EXPECT_EQ(text.find("\xC2\xB0"), std::string::npos) << text;  // no degree sign
            EXPECT_GE(Leading(text), c.low) << text;
            EXPECT_LE(Leading(text), c.high) << text;
        }
    }
}

}  // namespace
}  // namespace corvinata
