#include "astro/nutation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/delta_t.h"
#include "base/angle_reduction.h"
#include "support/csv_table.h"

namespace corvinata {
namespace {

constexpr double kArcsecond = 1.0 / 3600.0;
constexpr double kRadian = 3.141592653589793 / 180.0;

TEST(MeanObliquity, AtJ2000AndMeeusExample22a) {
    EXPECT_EQ(MeanObliquity(2451545.0), 23.43929111);
    // 1987 April 10, 0h TD: 23 deg 26' 27.407".
    EXPECT_NEAR(MeanObliquity(2446895.5), 23.0 + 26.0 / 60.0 + 27.407 * kArcsecond,
                0.001 * kArcsecond);
}

TEST(ComputeNutation, AtJ2000AndMeeusExample22a) {
    double dpsi = 0.0;
    double deps = 0.0;
    ComputeNutation(2451545.0, dpsi, deps);
    EXPECT_NEAR(dpsi, -0.0038675, 5e-8);
    EXPECT_NEAR(deps, -0.0016039, 5e-8);
    ComputeNutation(2446895.5, dpsi, deps);
    EXPECT_NEAR(dpsi / kArcsecond, -3.788, 0.0005);
    EXPECT_NEAR(deps / kArcsecond, 9.443, 0.0005);
}

class NutationGolden : public testing::TestWithParam<test::CsvRow> {};

// Reference: the same IAU 1980 series evaluated by an independent
// implementation; both agree to rounding (1e-10 degree = 0.36 microarcsecond).
TEST_P(NutationGolden, MatchesReference) {
    const test::CsvRow& row = GetParam();
    double dpsi = 0.0;
    double deps = 0.0;
    ComputeNutation(row.Number(0), dpsi, deps);
    EXPECT_NEAR(dpsi, row.Number(3), 1e-10);
    EXPECT_NEAR(deps, row.Number(4), 1e-10);
}

INSTANTIATE_TEST_SUITE_P(Dates1583To3000, NutationGolden,
                         testing::ValuesIn(test::ReadCsv("theory/golden/nutation.csv")),
                         [](const auto& info) { return test::RowName(info.param); });

TEST(NutationGolden, ReferenceTableIsPresent) {
    EXPECT_EQ(test::ReadCsv("theory/golden/nutation.csv").size(), 50u);
}

// Meeus, example 23.a: theta Persei, 2028 November 13.19 TD, with the
// position already precessed to the mean equinox of the date.
TEST(NutationInEquatorial, MeeusExample23a) {
    const double alpha0 = 41.5472 * kRadian;
    const double delta0 = 49.3485 * kRadian;
    double alpha = alpha0;
    double delta = delta0;
    NutationInEquatorial(alpha, delta, 23.436 * kRadian, 14.861 * kArcsecond,
                         2.705 * kArcsecond);
    EXPECT_NEAR((alpha - alpha0) / kRadian / kArcsecond, 15.843, 0.005);
    EXPECT_NEAR((delta - delta0) / kRadian / kArcsecond, 6.218, 0.005);
}

// Meeus, example 21.c: Venus from J2000.0 to -214 June 30.0.
TEST(PrecessEcliptic, MeeusExample21c) {
    double lambda = 149.48194;
    double beta = 1.76549;
    PrecessEcliptic(2451545.0, 1643074.5, lambda, beta);
    EXPECT_NEAR(ReduceDegrees(lambda), 118.704, 0.001);
    EXPECT_NEAR(beta, 1.615, 0.001);
}

// No time keeps the position up to whole turns. The truncated series are not
// exact inverses: 4e-8 degree over four centuries.
TEST(PrecessEcliptic, NoTimeKeepsAndThereAndBackReturnsTheStart) {
    double lambda = 359.0;
    double beta = -12.5;
    PrecessEcliptic(2433282.4235, 2433282.4235, lambda, beta);
    EXPECT_NEAR(std::remainder(lambda - 359.0, 360.0), 0.0, 1e-9);
    EXPECT_NEAR(beta, -12.5, 1e-9);

    lambda = 201.25;
    beta = 41.0;
    PrecessEcliptic(2451545.0, 2299238.5, lambda, beta);
    EXPECT_GT(std::fabs(std::remainder(lambda - 201.25, 360.0)), 5.0);
    PrecessEcliptic(2299238.5, 2451545.0, lambda, beta);
    EXPECT_NEAR(std::remainder(lambda - 201.25, 360.0), 0.0, 1e-6);
    EXPECT_NEAR(beta, 41.0, 1e-6);
}

// The pole of the ecliptic: the arcsine argument may round beyond 1.
TEST(PrecessEcliptic, EclipticPoleGivesNumbers) {
    for (double beta0 : {90.0, -90.0}) {
        double lambda = 0.0;
        double beta = beta0;
        PrecessEcliptic(2451545.0, 2816787.5, lambda, beta);
        EXPECT_TRUE(std::isfinite(lambda));
        EXPECT_NEAR(std::fabs(beta), 89.9, 0.2);
    }
}

}  // namespace
}  // namespace corvinata
