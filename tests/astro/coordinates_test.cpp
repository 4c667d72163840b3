#include "astro/coordinates.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/nutation.h"
#include "base/angle_value.h"
#include "base/geo_place.h"
#include "base/time_systems.h"

namespace corvinata {
namespace {

double AngleDifference(double a, double b) { return std::remainder(a - b, 360.0); }

TimeAndPlace Moment(int year, int month, int day, double hours, int timeSystem,
                    double westLongitude, double latitude, double zone, bool daylightSaving) {
    TimeAndPlace m;
    m.dateTime.year = year, m.dateTime.month = month, m.dateTime.day = day;
    m.dateTime.hours = hours, m.dateTime.timeSystem = timeSystem;
    m.place.longitude.degrees = westLongitude, m.place.latitude.degrees = latitude;
    m.place.timeZone.hours = zone, m.daylightSaving = daylightSaving;
    return m;
}

void ExpectAt(const SkyCoordinates& c, double longitude, double latitude, double tolerance) {
    EXPECT_NEAR(AngleDifference(c.longitude, longitude), 0.0, tolerance);
    EXPECT_NEAR(c.latitude, latitude, tolerance);
}

// --- Fixed frames -------------------------------------------------------------

// The true obliquity turns the frames; the nutation in longitude is not
// applied, so the equinox stays where it is.
TEST(EclipticEquatorial, TrueObliquityTurnsTheFrames) {
    const double jd = 2446895.5;
    double dpsi = 0.0, deps = 0.0;
    ComputeNutation(jd, dpsi, deps);
    const double epsilon = MeanObliquity(jd) + deps;
    const struct {
        SkyCoordinates from;
        double longitude, latitude, tolerance;
    } cases[] = {{{0.0, 0.0, kEclipticalSystem}, 0.0, 0.0, 1e-12},
                 {{90.0, 0.0, kEclipticalSystem}, 90.0, epsilon, 1e-12},
                 {{123.0, 90.0, kEclipticalSystem}, 270.0, 90.0 - epsilon, 1e-9}};
    for (const auto& c : cases) {
        SkyCoordinates p = c.from;
        EclipticToEquatorial(p, jd);
        EXPECT_EQ(p.system, kEquatorialSystem);
        ExpectAt(p, c.longitude, c.latitude, c.tolerance);
    }
}

// Both pairs of conversions give back the start, in 0..360.
TEST(FixedFrames, RoundTripsReturnTheStart) {
    for (const SkyCoordinates& start :
         {SkyCoordinates{0.0, 0.0, 1}, SkyCoordinates{359.99, -45.0, 1}, SkyCoordinates{101.3, 89.5, 1}}) {
        SkyCoordinates c = start;
        EclipticToEquatorial(c, 2299238.5);
        EXPECT_TRUE(c.longitude >= 0.0 && c.longitude <= 360.0);
        EquatorialToEcliptic(c, 2299238.5);
        ExpectAt(c, start.longitude, start.latitude, 1e-9);

        SkyCoordinates g{start.longitude, start.latitude, kEquatorialSystem};
        EquatorialToGalactic(g);
        GalacticToEquatorial(g);
        EXPECT_EQ(g.system, kEquatorialSystem);
        EXPECT_TRUE(g.longitude >= 0.0 && g.longitude < 360.0);
        ExpectAt(g, start.longitude, start.latitude, 1e-9);
    }
}

TEST(EquatorialGalactic, PoleCentreAndPublishedExample) {
    SkyCoordinates pole{192.25, 27.4, kEquatorialSystem};
    EquatorialToGalactic(pole);
    EXPECT_EQ(pole.system, kGalacticSystem);
    EXPECT_NEAR(pole.latitude, 90.0, 1e-9);

    // The galactic centre, 17h42.4m -28 55' (B1950.0).
    SkyCoordinates centre{265.6108, -28.9167, kEquatorialSystem};
    EquatorialToGalactic(centre);
    ExpectAt(centre, 0.0, 0.0, 0.001);

    // Duffett-Smith, Practical Astronomy with your Calculator, section 30:
    // 10h21m, +10 03' 11" gives l 232.2478, b 51.1223.
    SkyCoordinates example{155.25, 10.0 + 3.0 / 60.0 + 11.0 / 3600.0, kEquatorialSystem};
    EquatorialToGalactic(example);
    EXPECT_NEAR(example.longitude, 232.2478, 2e-4);
    EXPECT_NEAR(example.latitude, 51.1223, 2e-4);
}

// --- Equatorial and horizontal ----------------------------------------------

// Meeus, example 13.b: Venus from Washington, 1987 April 10, 19h21m UT, at
// the hour angle 64.352133 degrees; azimuth 68.0337 degrees west of south.
TEST(EquatorialHorizontal, MeeusExample13b) {
    const double lst = (347.3193375 + 64.352133 - 360.0) / 15.0;
    const double latitude = 38.921389;
    SkyCoordinates venus{347.3193375, -6.719892, kEquatorialSystem};
    EquatorialToHorizontal(venus, lst, latitude);
    EXPECT_EQ(venus.system, kHorizontalSystem);
    EXPECT_NEAR(venus.longitude, 248.0337, 1e-4);
    EXPECT_NEAR(venus.latitude, 15.1249, 1e-4);
    HorizontalToEquatorial(venus, lst, latitude);
    EXPECT_EQ(venus.system, kEquatorialSystem);
    EXPECT_NEAR(venus.longitude, 347.3193375, 1e-9);
    EXPECT_NEAR(venus.latitude, -6.719892, 1e-9);
}

// At the poles of the Earth and at the zenith the arc-cosine form of the
// azimuth divides 0 by 0; the answer must still be a number.
TEST(EquatorialHorizontal, PolesAndZenithGiveNumbers) {
    for (double latitude : {90.0, -90.0}) {
        SkyCoordinates star{33.0, 20.0, kEquatorialSystem};
        EquatorialToHorizontal(star, 4.0, latitude);
        EXPECT_TRUE(std::isfinite(star.longitude)) << latitude;
        HorizontalToEquatorial(star, 4.0, latitude);
        EXPECT_TRUE(std::isfinite(star.longitude)) << latitude;
        EXPECT_NEAR(star.latitude, 20.0, 1e-9);
    }
    SkyCoordinates zenith{60.0, 40.0, kEquatorialSystem};
    EquatorialToHorizontal(zenith, 4.0, 40.0);
    EXPECT_TRUE(std::isfinite(zenith.longitude) && std::fabs(zenith.latitude - 90.0) < 1e-6);
}

TEST(EquatorialHorizontal, TypedOverloadsReadHoursAndDegrees) {
    DateTime lst;
    lst.hours = 6.0;
    lst.timeSystem = kLocalSiderealTime;
    const LatitudeValue latitude(50.0, kLatitudeHemisphereLetter);
    SkyCoordinates star{90.0, 10.0, kEquatorialSystem};
    EquatorialToHorizontal(star, lst, latitude);
    ExpectAt(star, 180.0, 50.0, 1e-9);
    HorizontalToEquatorial(star, lst, latitude);
    ExpectAt(star, 90.0, 10.0, 1e-9);
}

// --- Conversions for a time and place ---------------------------------------

TEST(ConvertCoordinates, ToOwnSystemLeavesRecordUnchanged) {
    const TimeAndPlace moment = Moment(2000, 1, 1, 12.0, kUniversalTime, 0.0, 51.5, 0.0, false);
    for (int system : {kEquatorialSystem, kEclipticalSystem, kHorizontalSystem, kGalacticSystem}) {
        SkyCoordinates c{123.456, -7.89, system};
        ConvertCoordinates(moment, c, system);
        EXPECT_TRUE(c.longitude == 123.456 && c.latitude == -7.89 && c.system == system) << system;
    }
}

TEST(ConvertCoordinates, EclipticalToGalacticPassesThroughEquatorial) {
    // 22 h local civil time in zone +2 is 20 h universal time.
    const TimeAndPlace moment = Moment(1987, 4, 10, 22.0, kLocalCivilTime, 0.0, 0.0, 2.0, false);
    SkyCoordinates c{200.0, 3.0, kEclipticalSystem};
    ConvertCoordinates(moment, c, kGalacticSystem);
    SkyCoordinates expected{200.0, 3.0, kEclipticalSystem};
    EclipticToEquatorial(expected, 2446896.5 - 4.0 / 24.0);
    EquatorialOfDateToGalactic(expected, 2446896.5 - 4.0 / 24.0);
    ExpectAt(c, expected.longitude, expected.latitude, 1e-9);

    ConvertCoordinates(moment, c, kEclipticalSystem);
    ExpectAt(c, 200.0, 3.0, 1e-9);
}

// A star whose right ascension equals the local sidereal time of the place
// culminates: the conversion must take the zone, daylight saving and the
// longitude of the place into its sidereal time.
TEST(ConvertCoordinates, StarAtLocalSiderealTimeCulminates) {
    const TimeAndPlace moment =
        Moment(2010, 7, 15, 23.25, kLocalCivilTime, -16.37, 48.21, 1.0, true);
    DateTime lst = moment.dateTime;
    ConvertTimeSystem(lst, kLocalSiderealTime, moment.place.longitude, moment.place.timeZone,
                      moment.daylightSaving);
    SkyCoordinates star{15.0 * lst.hours, 20.0, kEquatorialSystem};
    ConvertCoordinates(moment, star, kHorizontalSystem);
    EXPECT_EQ(star.system, kHorizontalSystem);
    ExpectAt(star, 180.0, 90.0 - 48.21 + 20.0, 1e-9);

    ConvertCoordinates(moment, star, kEquatorialSystem);
    ExpectAt(star, 15.0 * lst.hours, 20.0, 1e-9);
}

// Hours of -1.0 mark a moment without a time, which has no sidereal time;
// a horizontal position computed for sidereal time -1 h would be shown as
// if it were right.
TEST(ConvertCoordinates, HorizontalWithoutTimeIsNotComputed) {
    const TimeAndPlace moment =
        Moment(2010, 7, 15, kNoTimeHours, kLocalCivilTime, 0.0, 48.0, 1.0, false);
    SkyCoordinates toHorizontal{10.0, 20.0, kEquatorialSystem};
    ConvertCoordinates(moment, toHorizontal, kHorizontalSystem);
    EXPECT_TRUE(toHorizontal.longitude == kNotComputedAngle && toHorizontal.latitude == kNotComputedAngle &&
                toHorizontal.system == kHorizontalSystem);

    SkyCoordinates fromHorizontal{10.0, 20.0, kHorizontalSystem};
    ConvertCoordinates(moment, fromHorizontal, kGalacticSystem);
    EXPECT_TRUE(fromHorizontal.longitude == kNotComputedAngle && fromHorizontal.system == kGalacticSystem);

    SkyCoordinates ecliptical{10.0, 20.0, kEquatorialSystem};
    ConvertCoordinates(moment, ecliptical, kEclipticalSystem);
    EXPECT_NE(ecliptical.longitude, kNotComputedAngle);
}

// --- Zodiac -----------------------------------------------------------------

TEST(Zodiac, SignsAndConstellationsMapBothWays) {
    const int constellations[12] = {6, 77, 37, 11, 45, 85, 48, 72, 71, 15, 3, 65};
    for (int sign = 0; sign < 12; ++sign) {
        EXPECT_EQ(ZodiacSignConstellationIndex(sign), constellations[sign]) << sign;
        EXPECT_EQ(ConstellationZodiacSign(constellations[sign]), sign) << sign;
    }
    EXPECT_EQ(ConstellationZodiacSign(0), -1);
    EXPECT_TRUE(ZodiacSignConstellationIndex(12) == -1 && ZodiacSignConstellationIndex(-1) == -1);
}

}  // namespace
}  // namespace corvinata
