#include "astro/moon.h"

#include <array>
#include <cmath>

#include <gtest/gtest.h>

#include "support/csv_table.h"
#include "astro/nutation.h"

namespace corvinata {
namespace {

constexpr double kRad = 3.14159265358979323846 / 180.0;

double Nutation(double jd) {
    double dpsi = 0.0, deps = 0.0;
    ComputeNutation(jd, dpsi, deps);
    return dpsi;
}

// Meeus, Astronomical Algorithms, example 47.a: 1992 April 12, 0h TD.
TEST(MoonPosition, ReproducesMeeusExample47a) {
    SkyCoordinates moon{};
    double distance = 0.0, meanLongitude = 0.0;
    ComputeMoonPosition(2448724.5, moon, distance, &meanLongitude);
    EXPECT_NEAR(meanLongitude, 134.290182, 1e-6);
    // L' + sum of l (-1127527e-6 degree) is the geometric longitude.
    EXPECT_NEAR(moon.longitude - Nutation(2448724.5), 134.290182 - 1.127527, 2e-6);
    // The book applies its own nutation (0.004610 degree) and gets 133.167265.
    EXPECT_NEAR(moon.longitude, 133.167265, 2e-6);
    EXPECT_NEAR(moon.latitude, -3.229126, 1e-6);
    EXPECT_NEAR(distance, 368409.7, 0.05);
    EXPECT_EQ(moon.system, kEclipticalSystem);
}

// At J2000.0 the nutation in longitude is -0.0038675 degree; a fixed 0.00461
// degree (the nutation of one date in 1992) would put the Moon 0.0085 degree
// too far east.
TEST(MoonPosition, LongitudeCarriesNutationOfItsOwnDateNotAConstant) {
    SkyCoordinates moon{};
    double distance = 0.0, meanLongitude = 0.0;
    ComputeMoonPosition(2451545.0, moon, distance, &meanLongitude);
    EXPECT_DOUBLE_EQ(meanLongitude, 218.3164477);
    EXPECT_NEAR(moon.longitude, 223.318711 - 0.0038675, 2e-6);
    EXPECT_NEAR(moon.latitude, 5.171280, 1e-6);
    EXPECT_NEAR(distance, 402444.8, 0.05);
}

TEST(MoonPosition, MeanLongitudeIsOptional) {
    SkyCoordinates with{}, without{};
    double d1 = 0.0, d2 = 0.0, meanLongitude = -1.0;
    ComputeMoonPosition(2299238.5, with, d1, &meanLongitude);
    ComputeMoonPosition(2299238.5, without, d2, nullptr);
    EXPECT_TRUE(with.longitude == without.longitude && d1 == d2);
    // Before 2000 the raw mean longitude is negative; it is reduced.
    EXPECT_TRUE(meanLongitude >= 0.0 && meanLongitude < 360.0) << meanLongitude;
}

// The nutation can carry a longitude just above 0 below it, or one just below
// 360 above it; either way the result stays in 0..360 and moves smoothly.
TEST(MoonPosition, LongitudeWrapsIntoFullCircleAcrossTheEquinox) {
    double previous = -1.0;
    int wraps = 0;
    for (double jd = 2451545.0; jd < 2451545.0 + 60.0; jd += 1.0 / 24.0) {
        SkyCoordinates moon{};
        double distance = 0.0;
        ComputeMoonPosition(jd, moon, distance);
        ASSERT_TRUE(moon.longitude >= 0.0 && moon.longitude < 360.0) << jd;
        if (previous >= 0.0) {
            const double step = std::remainder(moon.longitude - previous, 360.0);
            EXPECT_TRUE(step > 0.3 && step < 0.8) << jd;
            if (moon.longitude < previous) ++wraps;
        }
        previous = moon.longitude;
    }
    EXPECT_EQ(wraps, 2);
}

TEST(MoonLongitudeDistanceSums, ReproduceMeeusExample47aDistanceSum) {
    // Arguments of example 47.a as the book prints them.
    double sumL = 0.0, sumR = 0.0, sumB = 0.0;
    MoonLongitudeDistanceSums(113.842304, 97.643514, 5.150833, 219.889721, 1.000194, sumL, sumR);
    MoonLatitudeSum(113.842304, 97.643514, 5.150833, 219.889721, 1.000194, sumB);
    EXPECT_NEAR(sumR, -16590875.0, 2.0);
    // The book's sums of l and b include the additive terms (-1127527 and
    // -3229126); the table sums alone differ from them by those terms only.
    EXPECT_NEAR(sumL, -1127527.0, 4000.0);
    EXPECT_NEAR(sumB, -3229126.0, 3000.0);
}

// Reference positions from an independent implementation of the same theory
// (see the data folder's theory/SOURCES.md). Its longitude has no nutation;
// the nutation of the date is added here. Tolerances: 2.5e-6 degree in
// longitude (the independent code carries two more digits of the mean
// longitude rate), 1e-8 degree in latitude, 1e-5 km in distance.
class MoonGolden : public testing::TestWithParam<test::CsvRow> {};

TEST_P(MoonGolden, AgreesWithReference) {
    const test::CsvRow& row = GetParam();
    const double jd = row.Number(0);
    SkyCoordinates moon{};
    double distance = 0.0;
    ComputeMoonPosition(jd, moon, distance);
    EXPECT_NEAR(std::remainder(moon.longitude - (row.Number(1) + Nutation(jd)), 360.0), 0.0, 2.5e-6);
    EXPECT_NEAR(moon.latitude, row.Number(2), 1e-8);
    EXPECT_NEAR(distance, row.Number(3), 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Dates, MoonGolden,
                         testing::ValuesIn(test::ReadCsv("theory/golden/moon.csv")),
                         [](const auto& info) { return test::RowName(info.param); });

TEST(MoonGoldenFile, HasAllDates) {
    EXPECT_EQ(test::ReadCsv("theory/golden/moon.csv").size(), 50u);
}

// The phase angle against the triangle Earth-Moon-Sun built in vectors; new
// Moon is 180 degrees, full Moon 0.
TEST(MoonPhase, IsTheAngleAtTheMoonBetweenSunAndEarth) {
    const double sunDistance = 149597870.7, moonDistance = 384400.0;
    const auto vector = [](double distance, double longitude, double latitude) {
        return std::array<double, 3>{distance * std::cos(latitude * kRad) * std::cos(longitude * kRad),
                                     distance * std::cos(latitude * kRad) * std::sin(longitude * kRad),
                                     distance * std::sin(latitude * kRad)};
    };
    const double cases[][3] = {{90.0, 0.0, 0.0}, {200.0, -5.1, 20.0}};
    for (const auto& c : cases) {
        const auto m = vector(moonDistance, c[0], c[1]);
        const auto s = vector(sunDistance, c[2], 0.0);
        double dot = 0.0, nSun = 0.0, nEarth = 0.0;
        for (int i = 0; i < 3; ++i) {
            dot += (s[i] - m[i]) * -m[i];
            nSun += (s[i] - m[i]) * (s[i] - m[i]);
            nEarth += m[i] * m[i];
        }
        const double expected = std::acos(dot / std::sqrt(nSun * nEarth)) / kRad;
        EXPECT_NEAR(MoonPhaseAngle({c[0], c[1], kEclipticalSystem}, {c[2], 0.0, kEclipticalSystem}, sunDistance,
                                   moonDistance),
                    expected, 1e-6)
            << c[0];
    }
    const SkyCoordinates sun{120.0, 0.0, kEclipticalSystem};
    EXPECT_NEAR(MoonPhaseAngle({120.0, 0.0, kEclipticalSystem}, sun, 1.5e8, 3.8e5), 180.0, 1e-9);
    EXPECT_NEAR(MoonPhaseAngle({300.0, 0.0, kEclipticalSystem}, sun, 1.5e8, 3.8e5), 0.0, 1e-9);
}

}  // namespace
}  // namespace corvinata
