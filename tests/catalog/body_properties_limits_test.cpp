// Property evaluation at the edges: the ends of the valid years, the poles,
// missing catalogue values and the properties a body kind does not have.
#include <gtest/gtest.h>

#include <cmath>

#include "catalog/body_properties.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "catalog/rise_set.h"
#include "support/catalogues.h"
#include "support/moments.h"

namespace corvinata {
namespace {

using test::MomentAt;

constexpr std::uint32_t kAllEvents =
    kFunctionRise | kFunctionSet | kFunctionCulmination | kFunctionMorningTwilightAstronomical |
    kFunctionEveningTwilightAstronomical | kFunctionMorningTwilightCivil |
    kFunctionEveningTwilightCivil | kFunctionMorningTwilightNautical |
    kFunctionEveningTwilightNautical;

class PropertyLimits : public ::testing::Test {
protected:
    test::ScopedCatalogues catalogues_;
};

TEST_F(PropertyLimits, RangeEndsGiveTimesOrNoneNeverNaN) {
    const TimeAndPlace moments[] = {
        MomentAt(1583, 1, 1, 0.0, 170.0, 40.0, 12.0, kLocalCivilTime),
        MomentAt(3000, 12, 31, 23.0, -170.0, -66.0, -12.0, kLocalCivilTime),
        MomentAt(3000, 12, 31, 12.0, 0.0, 89.0),
    };
    for (const TimeAndPlace& moment : moments) {
        for (const int type : {kBodySun, kBodyMoon}) {
            PropertyMap out;
            ComputeBodyProperties(*GetCatalogueObject(type, 0), kAllEvents, moment, out,
                                  {kInvalidCoordinateSystem, kLocalCivilTime, kKilometres});
            for (std::uint32_t bits = out.Mask(); bits != 0; bits &= bits - 1) {
                const double hours = out.Value(bits & (~bits + 1));
                EXPECT_TRUE(hours == kNoTimeHours || (hours >= 0.0 && hours <= 24.0))
                    << moment.dateTime.year << " type " << type << " hours " << hours;
            }
            const EventTimePair pair = RiseSetEventsFromMap(out, moment.dateTime);
            EXPECT_GE(pair.code, kAlwaysAbove);
            EXPECT_LE(pair.code, kRiseSetNotComputed);
        }
    }
}

TEST_F(PropertyLimits, DirectionAtThePoleIsNone) {
    PropertyMap out;
    ComputeBodyProperties(*GetCatalogueObject(kBodySun, 0), kFunctionDirection,
                          MomentAt(2024, 3, 1, 12.0, 0.0, -90.0), out, {});
    EXPECT_EQ(out.Value(kFunctionDirection), kNotComputedAngle);
}

// The semidiameter grows by sin(h) sin(q) with q the horizontal parallax,
// about 1.7 percent at the zenith; q taken as degrees gave 57 times less.
TEST_F(PropertyLimits, MoonAngularSizeGrowsWithTheHorizontalParallax) {
    PropertyMap out;
    ComputeBodyProperties(*GetCatalogueObject(kBodyMoon, 0),
                          kFunctionAngularSize | kFunctionLatitude,
                          MomentAt(2024, 3, 20, 22.0, 13.40, 52.52), out,
                          {kHorizontalSystem, kUniversalTime, kKilometres});
    const double distance = out.Value(kFunctionDistanceFromEarth);
    const double altitude = out.Value(kFunctionLatitude);
    ASSERT_GT(altitude, 30.0);
    const double geocentric = 2.0 * 358473400.0 / distance / 3600.0;
    const double growth = out.Value(kFunctionAngularSize) / geocentric - 1.0;
    EXPECT_NEAR(growth / std::sin(altitude * 3.14159265358979 / 180.0), 6378.14 / distance, 2e-5);
}

// Days on which the mean node lies within 0.16 degrees of 0: its periodic
// term carried it past 360 or below 0 before the second reduction.
TEST_F(PropertyLimits, MoonNodesStayWithinTheirRange) {
    for (const TimeAndPlace& moment : {MomentAt(1987, 11, 9, 0.0, 0.0, 0.0),
                                       MomentAt(2025, 1, 29, 0.0, 0.0, 0.0)}) {
        PropertyMap out;
        ComputeBodyProperties(*GetCatalogueObject(kBodyMoon, 0),
                              kFunctionAscendingNode | kFunctionDescendingNode, moment, out, {});
        for (const std::uint32_t id : {kFunctionAscendingNode, kFunctionDescendingNode}) {
            EXPECT_TRUE(out.Value(id) >= 0.0 && out.Value(id) < 360.0) << out.Value(id);
        }
    }
}

struct KindCase {
    const char* name;
    int type, number;
    std::uint32_t mask;
    std::uint32_t present;  // what the output holds
};

const KindCase kKinds[] = {
    {"planet magnitude brings its distances", kBodyPlanet, 3, kFunctionMagnitude,
     kFunctionMagnitude | kFunctionDistanceFromSun | kFunctionDistanceFromEarth},
    {"Earth has no longitude", kBodyEarth, 0, kFunctionLongitude, 0},
    {"Earth heliocentric", kBodyEarth, 0, kFunctionHeliocentricLongitude | kFunctionDistanceFromSun,
     kFunctionHeliocentricLongitude | kFunctionDistanceFromSun},
    {"satellite has no longitude", kBodyJupiterSatellite, 0, kFunctionLongitude, 0},
    {"satellite place", kBodySaturnSatellite, 5, kFunctionRectangularX | kFunctionRectangularZ,
     kFunctionRectangularX | kFunctionRectangularZ},
    {"Moon size needs its place", kBodyMoon, 0, kFunctionAngularSize,
     kFunctionAngularSize | kFunctionDistanceFromEarth | kFunctionLongitude | kFunctionLatitude},
};

TEST_F(PropertyLimits, WhatEachKindFills) {
    for (const KindCase& c : kKinds) {
        PropertyMap out;
        ComputeBodyProperties(*GetCatalogueObject(c.type, c.number), c.mask,
                              MomentAt(2024, 5, 1, 3.0, 0.0, 45.0), out, {});
        EXPECT_EQ(out.Mask(), c.present) << c.name;
    }
}

TEST_F(PropertyLimits, CatalogueValuesPassThrough) {
    // A row of the catalogue without size and magnitude.
    const CelestialObject* unmeasured = FindObjectOfTypeByName(kBodyDeepSky, TXT("IC 5371"));
    ASSERT_NE(unmeasured, nullptr);
    PropertyMap out;
    ComputeBodyProperties(*unmeasured, kFunctionMagnitude | kFunctionAngularSize,
                          MomentAt(2024, 5, 1, 3.0, 0.0, 45.0), out, {});
    EXPECT_EQ(out.Value(kFunctionMagnitude), 9999.0);
    EXPECT_EQ(out.Value(kFunctionAngularSize), -1000.0);
}

// The script's road: one function of one body; none for a function the
// body's kind does not list.
TEST_F(PropertyLimits, OneBodyFunctionAsTheScriptAsksIt) {
    const TimeAndPlace moment = MomentAt(2024, 5, 1, 3.0, 0.0, 45.0);
    const CelestialObject& moon = *GetCatalogueObject(kBodyMoon, 0);
    PropertyMap out;
    ComputeBodyProperties(moon, kFunctionDistanceFromEarth, moment, out,
                          {kInvalidCoordinateSystem, kUniversalTime, kKilometres});
    EXPECT_NEAR(EvaluateBodyFunction(moon, kFunctionDistanceFromEarth, kMiles, moment) * 1.609344,
                out.Value(kFunctionDistanceFromEarth), 1e-6);
    EXPECT_EQ(EvaluateBodyFunction(moon, kFunctionMagnitude, -1, moment), 9999.0);
}

}  // namespace
}  // namespace corvinata
