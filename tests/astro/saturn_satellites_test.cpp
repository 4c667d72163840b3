#include "astro/saturn_satellites.h"

#include <cmath>

#include <gtest/gtest.h>

namespace corvinata {
namespace {

// Meeus, Astronomical Algorithms, example 46.a: JDE 2451439.50074, X and Y as
// the book prints them.
TEST(SaturnSatellites, ReproduceMeeusExample46a) {
    const double x[kSaturnSatelliteCount] = {3.102, 3.823, 4.027, -5.365,
                                             -0.972, 14.568, -18.001, -48.760};
    const double y[kSaturnSatelliteCount] = {-0.204, 0.318, -1.061, -1.148,
                                             -3.136, 4.738, -5.328, 4.137};
    double positions[27];
    ComputeSaturnSatellites(2451439.50074, positions);
    for (int j = 0; j < kSaturnSatelliteCount; ++j) {
        EXPECT_NEAR(positions[3 * j], x[j], 0.0006) << j;
        EXPECT_NEAR(positions[3 * j + 1], y[j], 0.0006) << j;
    }
}

TEST(SaturnSatellites, AnglesAreOptionalAndPoleTripleIsFixed) {
    for (double jd : {2299238.5, 2451439.50074, 2816787.5}) {
        double with[27], without[27], angles[8];
        for (double& v : with) v = -7.0;
        ComputeSaturnSatellites(jd, with, angles);
        ComputeSaturnSatellites(jd, without);
        for (int i = 0; i < 27; ++i) EXPECT_EQ(with[i], without[i]) << i;
        EXPECT_TRUE(with[24] == 0.0 && with[25] == 0.0 && with[26] == 1.0);
        for (double a : angles) EXPECT_TRUE(a >= 0.0 && a < 360.0) << a;
    }
}

// Orbit radii in Saturn radii and the eccentricities that bound them.
struct OrbitBounds {
    double semiMajorAxis, eccentricity;
};
constexpr OrbitBounds kBounds[kSaturnSatelliteCount] = {
    {3.07, 0.03}, {3.95, 0.01}, {4.89, 0.01}, {6.26, 0.01},
    {8.73, 0.01}, {20.25, 0.04}, {24.55, 0.14}, {59.0, 0.04}};

// The rotations into the frame of the sky keep lengths, so each satellite
// stays at its orbital distance from Saturn (the line-of-sight terms change it
// by well under 1 %); Titan's and Iapetus' long periods need centuries.
TEST(SaturnSatellites, StayOnTheirOrbitsOverFourCenturies) {
    for (double jd = 2299238.5; jd < 2451545.0 + 36525.0; jd += 173.7) {
        double positions[27];
        ComputeSaturnSatellites(jd, positions);
        for (int j = 0; j < kSaturnSatelliteCount; ++j) {
            const double x = positions[3 * j], y = positions[3 * j + 1], z = positions[3 * j + 2];
            ASSERT_TRUE(std::isfinite(x) && std::isfinite(y) && std::isfinite(z)) << jd;
            const double r = std::sqrt(x * x + y * y + z * z);
            const OrbitBounds& b = kBounds[j];
            EXPECT_GT(r, b.semiMajorAxis * (1.0 - b.eccentricity) * 0.99) << jd << " " << j;
            EXPECT_LT(r, b.semiMajorAxis * (1.0 + b.eccentricity) * 1.01) << jd << " " << j;
        }
    }
}

// Each satellite routine, for times from the 16th to the 30th century,
// answers a longitude and node within 0..360 and a positive distance.
TEST(SaturnSatelliteElements, RecordsStayInRange) {
    for (double jd = 2299238.5; jd < 2816787.5; jd += 10007.3) {
        const double t1 = jd - 2411093.0, t2 = t1 / 365.25;
        const double t4 = jd - 2411368.0, t6 = jd - 2415020.0;
        const double t7 = t6 / 36525.0, t8 = t6 / 365.25, t9 = (jd - 2442000.5) / 365.25;
        const double t10 = jd - 2409786.0, t11 = t10 / 36525.0;
        const double w = std::fmod(jd, 360.0);
        SaturnSatelliteOrbit o[kSaturnSatelliteCount];
        MimasElements(t1, t2, w, o[kMimas]);
        EnceladusElements(t1, t2, w, w + 60.0, o[kEnceladus]);
        TethysElements(t1, t2, w, o[kTethys]);
        DioneElements(t1, t2, w, w + 60.0, o[kDione]);
        RheaElements(t1, t2, w, w + 60.0, o[kRhea]);
        TitanElements(t4, w, w + 60.0, w + 120.0, w + 180.0, 2.49, 113.3, 0.0558, o[kTitan]);
        HyperionElements(t6, t8, t9, w, w + 60.0, o[kHyperion]);
        IapetusElements(t4, t7, t10, t11, w, w + 60.0, o[kIapetus]);
        for (int j = 0; j < kSaturnSatelliteCount; ++j) {
            EXPECT_TRUE(o[j].lambda >= 0.0 && o[j].lambda < 360.0 && o[j].omega >= 0.0 &&
                        o[j].omega < 360.0 && o[j].r > 0.0 && std::isfinite(o[j].gamma))
                << jd << " " << j;
        }
    }
}

// An orbit whose pole lies in Saturn's equatorial plane has gamma = 90
// degrees; there the computed sine rounds to 1.0000000000000002, and an
// unguarded arc sine would answer NaN.
TEST(SaturnSatelliteElements, OrbitAtRightAngleToEquatorGivesNinetyDegreesNotNaN) {
    SaturnSatelliteOrbit orbit{};
    SatelliteElementsToOrbitRecord(0.0, 10.0, 0.0, 20.0, 8.4396000000000697, 63.318804441950121,
                                   orbit);
    ASSERT_FALSE(std::isnan(orbit.gamma));
    EXPECT_NEAR(orbit.gamma, 90.0, 1e-6);
    EXPECT_DOUBLE_EQ(orbit.r, 20.0);
}

// A circular orbit in Saturn's equatorial plane: no inclination, the
// equation of the centre vanishes and the distance is the semi-major axis.
TEST(SaturnSatelliteElements, CircularEquatorialOrbit) {
    SaturnSatelliteOrbit orbit{};
    SatelliteElementsToOrbitRecord(0.0, 123.0, 40.0, 8.7, 168.8112, 28.0817, orbit);
    EXPECT_NEAR(orbit.gamma, 0.0, 1e-6);
    EXPECT_DOUBLE_EQ(orbit.r, 8.7);
    EXPECT_NEAR(orbit.lambda, 123.0, 1e-9);
}

}  // namespace
}  // namespace corvinata
