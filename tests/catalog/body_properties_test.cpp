// Property evaluation: worked examples of Meeus, Astronomical Algorithms,
// the rise-and-set states, the output conventions and the faults guarded.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/aberration.h"
#include "astro/coordinates.h"
#include "astro/delta_t.h"
#include "astro/instant_sharing.h"
#include "astro/nutation.h"
#include "astro/planet_series.h"
#include "base/distance_value.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "catalog/rise_set.h"
#include "support/catalogues.h"
#include "support/moments.h"

namespace corvinata {
namespace {

using test::MomentAt;

class BodyProperties : public ::testing::Test {
protected:
    static const CelestialObject& Body(int type, int number) {
        return *GetCatalogueObject(type, number);
    }
    static PropertyMap Compute(const CelestialObject& body, std::uint32_t mask,
                               const TimeAndPlace& moment,
                               const PropertyConventions& conventions = {}) {
        PropertyMap out;
        ComputeBodyProperties(body, mask, moment, out, conventions);
        return out;
    }

    test::ScopedCatalogues catalogues_;
};

struct WorkedExample {
    const char* name;
    int type, number;
    int year, month, day;
    std::uint32_t id;
    double expected, tolerance;
};

// The book's instants are 0 h TD: the theories run on dynamical time, so
// they are asked for at 0 h TD - Delta T of Universal time.
const WorkedExample kWorkedExamples[] = {
    {"Sun longitude 25.b", kBodySun, 0, 1992, 10, 13, kFunctionLongitude, 199.90601, 0.001},
    {"Sun distance 25.b", kBodySun, 0, 1992, 10, 13, kFunctionDistanceFromEarth, 0.99760775, 1e-6},
    {"Moon longitude 47.a", kBodyMoon, 0, 1992, 4, 12, kFunctionLongitude, 133.167265, 0.002},
    {"Moon phase 48.a", kBodyMoon, 0, 1992, 4, 12, kFunctionPhase, 67.86, 0.05},
    {"Moon bright limb 48.a", kBodyMoon, 0, 1992, 4, 12, kFunctionBrightLimb, 285.0, 0.1},
    {"Venus longitude 33.a", kBodyPlanet, 1, 1992, 12, 20, kFunctionLongitude, 313.08102, 0.01},
    {"Venus distance 33.a", kBodyPlanet, 1, 1992, 12, 20, kFunctionDistanceFromEarth, 0.910947,
     1e-4},
    {"Venus phase 41.a", kBodyPlanet, 1, 1992, 12, 20, kFunctionPhase, 64.7, 0.1},
    // The example's r, Delta and i in this program's formula set give -4.217.
    {"Venus magnitude 41.a", kBodyPlanet, 1, 1992, 12, 20, kFunctionMagnitude, -4.217, 0.01},
};

TEST_F(BodyProperties, WorkedExamplesOfMeeus) {
    for (const WorkedExample& example : kWorkedExamples) {
        const DateTime day{example.year, example.month, example.day, 0.0, kUniversalTime};
        const PropertyMap out = Compute(Body(example.type, example.number), example.id,
                                        MomentAt(example.year, example.month, example.day,
                                                 -DeltaT(day) / 3600.0, 0.0, 0.0),
                                        {kEclipticalSystem, kUniversalTime, kAstronomicalUnits});
        EXPECT_NEAR(out.Value(example.id), example.expected, example.tolerance) << example.name;
    }
}

// The constant -8.68 with the ring's tilt B = 16.442 and dU = 4.198 of
// Meeus's example 45.a (1992 December 16).
TEST_F(BodyProperties, SaturnMagnitudeFollowsItsRingNotItsPhase) {
    const PropertyMap out = Compute(Body(kBodyPlanet, 4), kFunctionMagnitude,
                                    MomentAt(1992, 12, 16, 0.0, 0.0, 0.0));
    const double r = out.Value(kFunctionDistanceFromSun);
    const double delta = out.Value(kFunctionDistanceFromEarth);
    const double sinB = std::sin(16.442 * 3.14159265358979 / 180.0);
    const double ring = 0.044 * 4.198 - 2.60 * sinB + 1.25 * sinB * sinB;
    EXPECT_NEAR(out.Value(kFunctionMagnitude), -8.68 + 5.0 * std::log10(r * delta) + ring, 0.005);
}

// Before the fault was mended r came from before the light-time correction
// and Delta from after it, so acos got more than 1 at opposition.
TEST_F(BodyProperties, OppositionGivesAFullPhaseAndAFiniteMagnitude) {
    struct Opposition { int planet, year, month, day; double hours; };
    const Opposition oppositions[] = {
        {2, 2003, 8, 28, 17.9}, {3, 2023, 11, 3, 5.0}, {5, 2023, 11, 13, 17.0},
        {6, 2023, 9, 19, 11.0}, {7, 2023, 7, 22, 0.0},
    };
    for (const Opposition& o : oppositions) {
        const PropertyMap out = Compute(Body(kBodyPlanet, o.planet),
                                        kFunctionPhase | kFunctionMagnitude,
                                        MomentAt(o.year, o.month, o.day, o.hours, 0.0, 0.0));
        EXPECT_GT(out.Value(kFunctionPhase), 99.0) << o.planet;
        EXPECT_LE(out.Value(kFunctionPhase), 100.0) << o.planet;
        EXPECT_TRUE(std::isfinite(out.Value(kFunctionMagnitude))) << o.planet;
    }
}

// Meeus's example 37.a: astrometric place of Pluto, J2000.0, 1992 October 13:
// 15h31m43.8s, -4 27' 29". The theory's own light time used to be applied a
// second time and its J2000.0 place taken as of the date. The apparent place
// is taken back to the astrometric one: without nutation and aberration.
TEST_F(BodyProperties, PlutoLightTimeAppliedOnce) {
    const TimeAndPlace moment = MomentAt(1992, 10, 13, 0.0, 0.0, 0.0);
    const PropertyMap out = Compute(Body(kBodyPlanet, 7), kFunctionLongitude, moment,
                                    {kEclipticalSystem, kUniversalTime, kAstronomicalUnits});
    const double jd = DateTimeToJulianDay(moment.dateTime);
    double dpsi = 0.0, deps = 0.0;
    ComputeNutation(jd, dpsi, deps);
    const AnnualAberration aberration(jd, SharedGeometricSun(jd).longitude);
    const double apparent = out.Value(kFunctionLongitude);
    double beta = out.Value(kFunctionLatitude);
    double lambda = apparent - dpsi - aberration.LongitudeOffset(apparent, beta);
    beta -= aberration.LatitudeOffset(apparent, beta);
    PrecessEcliptic(jd, 2451545.0, lambda, beta);
    SkyCoordinates book{(15.0 + 31.0 / 60 + 43.8 / 3600) * 15.0, -(4.0 + 27.0 / 60 + 29.0 / 3600),
                        kEquatorialSystem};
    EquatorialToEclipticAt(book, MeanObliquity(2451545.0));
    EXPECT_NEAR(lambda, book.longitude, 0.003);
    EXPECT_NEAR(beta, book.latitude, 0.003);
}

// Stars near the ecliptic against the Sun: their J2000.0 ecliptic longitudes
// (149.8291 and 203.8414) carried to the date by 50.29" a year.
TEST_F(BodyProperties, ElongationOfAStarIsMeasuredAlongTheEcliptic) {
    // The catalogue's own stars, so their positions reach the calculator.
    const CelestialObject* stars[] = {FindObjectOfTypeByName(kBodyStar, TXT("Regulus")),
                                      FindObjectOfTypeByName(kBodyStar, TXT("Spica"))};
    const double longitudes2000[] = {149.82909, 203.84136};
    const TimeAndPlace moment = MomentAt(2024, 8, 22, 0.0, 0.0, 0.0);
    const double years = (DateTimeToJulianDay(moment.dateTime) - 2451545.0) / 365.25;
    const double sun = Compute(Body(kBodySun, 0), kFunctionLongitude, moment,
                               {kEclipticalSystem, kUniversalTime, kAstronomicalUnits})
                           .Value(kFunctionLongitude);
    for (int i = 0; i < 2; ++i) {
        ASSERT_NE(stars[i], nullptr) << i;
        const PropertyMap out = Compute(*stars[i], kFunctionElongationLongitude, moment);
        const double expected = longitudes2000[i] + 50.29 / 3600.0 * years - sun;
        EXPECT_NEAR(out.Value(kFunctionElongationLongitude), expected, 0.01) << i;
    }
}

struct StateCase {
    const char* name;
    int type;
    int year, month, day;
    double eastLongitude, latitude;
    std::int32_t state;
    double riseHours, setHours;  // kNoTimeHours: none
};

// Times from the library of reference/README.md, minutes apart at most.
const StateCase kStates[] = {
    {"midnight Sun", kBodySun, 2024, 6, 21, 19.0, 70.0, kAlwaysAbove, kNoTimeHours, kNoTimeHours},
    {"polar night", kBodySun, 2024, 12, 21, 19.0, 70.0, kAlwaysBelow, kNoTimeHours, kNoTimeHours},
    {"Moon does not set", kBodyMoon, 2024, 6, 17, 13.40, 52.52, kNoSet, 14.7701, kNoTimeHours},
    {"Moon does not rise", kBodyMoon, 2024, 7, 3, 13.40, 52.52, kNoRise, kNoTimeHours, 17.9189},
};

TEST_F(BodyProperties, RiseAndSetStates) {
    for (const StateCase& c : kStates) {
        const TimeAndPlace moment =
            MomentAt(c.year, c.month, c.day, 12.0, c.eastLongitude, c.latitude);
        const PropertyMap out =
            Compute(Body(c.type, 0), kFunctionRise | kFunctionSet | kFunctionCulmination, moment);
        const EventTimePair pair = RiseSetEventsFromMap(out, moment.dateTime);
        EXPECT_EQ(pair.code, c.state) << c.name;
        EXPECT_NEAR(out.Value(kFunctionRise), c.riseHours, 2.0 / 60.0) << c.name;
        EXPECT_NEAR(out.Value(kFunctionSet), c.setHours, 2.0 / 60.0) << c.name;
        EXPECT_NE(out.Value(kFunctionCulmination), kNoTimeHours) << c.name;
    }
}

// A constellation is placed, rises and sets with its principal star, which
// for Vela is delta (HR 3485), not alpha.
TEST_F(BodyProperties, AConstellationStandsForItsPrincipalStar) {
    const TimeAndPlace moment = MomentAt(2024, 3, 5, 21.5, 18.42, -33.93);
    const std::uint32_t mask = kFunctionLongitude | kFunctionRise | kFunctionSet;
    const CelestialObject* vela = FindObjectOfTypeByName(kBodyConstellation, TXT("Vela"));
    const CelestialObject* delta = FindObjectOfTypeByName(kBodyStar, TXT("BSC 3485"));
    ASSERT_TRUE(vela && delta);
    const PropertyMap constellation = Compute(*vela, mask, moment);
    const PropertyMap star = Compute(*delta, mask, moment);
    for (const std::uint32_t id : {kFunctionLongitude, kFunctionLatitude, kFunctionRise,
                                   kFunctionSet}) {
        ASSERT_NE(constellation.Find(id), nullptr) << id;
        EXPECT_EQ(constellation.Value(id), star.Value(id)) << id;
    }
}

// A place 9 or 10 hours from Greenwich: the events of the local civil day.
TEST_F(BodyProperties, EventsBelongToTheDayOfTheRequestedTimeSystem) {
    struct LocalDay { double east, latitude, zone; int type; double rise, set, transit; };
    const LocalDay days[] = {
        {139.69, 35.69, 9.0, kBodySun, 4.4292, 19.0067, 11.7180},
        {139.69, 35.69, 9.0, kBodyMoon, 18.6163, 3.0830, 23.2946},
        {-157.86, 21.31, -10.0, kBodyMoon, 19.5595, 5.3586, kNoTimeHours},
    };
    for (const LocalDay& d : days) {
        const PropertyMap out = Compute(
            Body(d.type, 0), kFunctionRise | kFunctionSet | kFunctionCulmination,
            MomentAt(2024, 6, 21, 12.0, d.east, d.latitude, d.zone, kLocalCivilTime),
            {kInvalidCoordinateSystem, kLocalCivilTime, kAstronomicalUnits});
        EXPECT_NEAR(out.Value(kFunctionRise), d.rise, 1.0 / 60.0) << d.east;
        EXPECT_NEAR(out.Value(kFunctionSet), d.set, 1.0 / 60.0) << d.east;
        EXPECT_NEAR(out.Value(kFunctionCulmination), d.transit, 1.0 / 60.0) << d.east;
    }
}

// The same property asked in every system comes back to one place.
TEST_F(BodyProperties, OutputConventionsConvertConsistently) {
    const CelestialObject* regulus = FindObjectOfTypeByName(kBodyStar, TXT("Regulus"));
    const CelestialObject* bodies[] = {&Body(kBodySun, 0), &Body(kBodyMoon, 0),
                                       &Body(kBodyPlanet, 3), regulus};
    const TimeAndPlace moment = MomentAt(2024, 3, 5, 21.5, 13.40, 52.52, 1.0);
    for (const CelestialObject* body : bodies) {
        const PropertyMap reference =
            Compute(*body, kFunctionLongitude | kFunctionRise | kFunctionDistanceFromEarth, moment,
                    {kEclipticalSystem, kUniversalTime, kKilometres});
        // System 4 asks for no conversion: the calculator's own frame.
        const int ownFrame = body == regulus ? kEquatorialSystem : kEclipticalSystem;
        for (int system = kEquatorialSystem; system <= kInvalidCoordinateSystem; ++system) {
            const PropertyMap out = Compute(*body, kFunctionLongitude, moment,
                                            {system, kUniversalTime, kKilometres});
            SkyCoordinates c = out.Coordinates();
            EXPECT_EQ(c.system, system == kInvalidCoordinateSystem ? ownFrame : system);
            ConvertCoordinates(moment, c, kEclipticalSystem);
            EXPECT_NEAR(c.longitude, reference.Value(kFunctionLongitude), 1e-6) << system;
            EXPECT_NEAR(c.latitude, reference.Value(kFunctionLatitude), 1e-6) << system;
        }
        for (int timeSystem = kUniversalTime; timeSystem <= kLocalSiderealTime; ++timeSystem) {
            const PropertyMap out = Compute(*body, kFunctionRise, moment,
                                            {kInvalidCoordinateSystem, timeSystem, kKilometres});
            const PropertyValue* rise = out.Find(kFunctionRise);
            ASSERT_NE(rise, nullptr);
            EXPECT_EQ(rise->system, timeSystem);
            DateTime back{2024, 3, 5, rise->value, timeSystem};
            ConvertTimeSystem(back, kUniversalTime, moment.place.longitude, moment.place.timeZone,
                              false);
            EXPECT_NEAR(std::fmod(back.hours + 24.0, 24.0), reference.Value(kFunctionRise), 1e-3)
                << timeSystem;
        }
        if (body == regulus) continue;  // no distance
        for (int unit = kKilometres; unit <= kAstronomicalUnits; ++unit) {
            const PropertyMap out = Compute(*body, kFunctionDistanceFromEarth, moment,
                                            {kInvalidCoordinateSystem, kUniversalTime, unit});
            const PropertyValue* distance = out.Find(kFunctionDistanceFromEarth);
            ASSERT_NE(distance, nullptr);
            EXPECT_EQ(distance->system, unit);
            DistanceValue back{distance->value, distance->system};
            DistanceConvertUnit(back, kKilometres);
            EXPECT_NEAR(back.value / reference.Value(kFunctionDistanceFromEarth), 1.0, 1e-12)
                << unit;
        }
    }
}

}  // namespace
}  // namespace corvinata
