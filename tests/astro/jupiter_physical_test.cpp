#include "astro/jupiter_physical.h"

#include <cmath>

#include <gtest/gtest.h>

#include "astro/planet_series.h"

namespace corvinata {
namespace {

constexpr double kRad = 3.14159265358979323846 / 180.0;

// Meeus, Astronomical Algorithms, example 43.a: 1992 December 16, 0h.
TEST(JupiterPhysical, ReproducesMeeusExample43a) {
    double de = 0.0, ds = 0.0, p = 0.0;
    JupiterPhysicalData(2448972.5, de, ds, p);
    EXPECT_NEAR(de, -2.485, 0.0005);
    EXPECT_NEAR(ds, -2.198, 0.0005);
    EXPECT_NEAR(p, 24.801, 0.0005);
}

TEST(JupiterPhysical, GeocentricDistanceAfterOneLightTimeStep) {
    const double jd = 2448972.5;
    double l0 = 0.0, b0 = 0.0, r0 = 0.0, l = 0.0, b = 0.0, r = 0.0;
    VsopHeliocentricPosition(jd, VsopSeries(VsopBody::Earth), &l0, &b0, &r0);
    VsopHeliocentricPosition(jd, VsopSeries(VsopBody::Jupiter), &l, &b, &r);
    double x = 0.0, y = 0.0, z = 0.0, delta = 0.0;
    GeocentricRectangular(x, y, z, delta, l, b, r, l0, b0, r0);
    GeocentricRectangular(x, y, z, delta, l - 0.01299 * delta / (r * r), b, r, l0, b0, r0);
    EXPECT_NEAR(delta, 5.6611, 0.00005);
    EXPECT_NEAR(std::sqrt(x * x + y * y + z * z), delta, 1e-12);
}

// Over one Jupiter year the pole leans both east and west of north: P takes
// both signs and stays within -180..180 instead of being folded to 0..360.
TEST(JupiterPhysical, PositionAngleKeepsItsSign) {
    double lowest = 1e9, highest = -1e9;
    for (double jd = 2448000.0; jd < 2448000.0 + 12 * 365.25; jd += 15.0) {
        double de = 0.0, ds = 0.0, p = 0.0;
        JupiterPhysicalData(jd, de, ds, p);
        ASSERT_TRUE(std::isfinite(de) && std::isfinite(ds) && std::isfinite(p)) << jd;
        EXPECT_LE(std::fabs(de), 4.0) << jd;  // Jupiter's equator is tilted 3.1 degrees
        EXPECT_LE(std::fabs(ds), 4.0) << jd;
        lowest = std::fmin(lowest, p);
        highest = std::fmax(highest, p);
    }
    EXPECT_LT(lowest, -20.0);
    EXPECT_GT(highest, 20.0);
}

TEST(PositionAngleRadians, MeasuresFromNorthThroughEast) {
    const double cases[][5] = {{10.0, 20.0, 10.0, 30.0, 0.0},     // due north
                               {10.0, 0.0, 11.0, 0.0, 90.0},      // due east
                               {10.0, 0.0, 9.0, 0.0, -90.0},      // due west: negative
                               {10.0, 20.0, 10.0, 10.0, 180.0},   // due south
                               {100.0, 40.0, 0.0, 90.0, 0.0}};    // the celestial pole
    for (const auto& c : cases)
        EXPECT_NEAR(PositionAngleRadians(c[0] * kRad, c[1] * kRad, c[2] * kRad, c[3] * kRad) / kRad, c[4], 1e-9)
            << c[0] << " " << c[1];
}

TEST(RectangularEclipticToEquatorial, RotatesAboutTheEquinox) {
    const double cases[][5] = {{0.0, 5.0, 0.0, 90.0, 23.44},     // the solstice
                               {0.0, 0.0, 2.0, -90.0, 66.56},    // ecliptic pole
                               {-1.0, 0.0, 0.0, 180.0, 0.0}};    // autumn equinox
    for (const auto& c : cases) {
        double alpha = 0.0, delta = 0.0;
        RectangularEclipticToEquatorial(c[0], c[1], c[2], 23.44 * kRad, alpha, delta);
        EXPECT_NEAR(alpha / kRad, c[3], 1e-9);
        EXPECT_NEAR(delta / kRad, c[4], 1e-9);
    }
}

}  // namespace
}  // namespace corvinata
