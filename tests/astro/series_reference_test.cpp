// The lunar, nutation and planetary series against the values they gave
// when every term called the library's sine (reference/series_values.csv,
// 48 dates from 1583 to 3000): the faster evaluation must not move them.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "astro/coordinates.h"
#include "astro/moon.h"
#include "astro/nutation.h"
#include "astro/planet_series.h"
#include "support/csv_table.h"
#include "support/test_data.h"

namespace corvinata {
namespace {

constexpr double kAngleTolerance = 1e-9;      // degrees
constexpr double kAuTolerance = 1e-12;        // astronomical units
constexpr double kMoonDistanceTolerance = 1e-6;  // km
constexpr int kVsopBodies = 9;                // VsopBody::Mercury .. EarthJ2000

constexpr const char* kReferenceTable = "astro/reference/series_values.csv";

std::vector<test::CsvRow> LoadReference() {
    return test::ReadCsvFile(test::TestsPath(kReferenceTable));
}

// Difference of two angles in degrees, across 0/360.
double AngleApart(double a, double b) { return std::remainder(a - b, 360.0); }

TEST(SeriesReference, FileHoldsTheDates) {
    const std::vector<test::CsvRow> rows = LoadReference();
    ASSERT_EQ(rows.size(), 48u) << test::TestsPath(kReferenceTable);
    EXPECT_EQ(rows.front().fields.size(), 6u + 3u * kVsopBodies);
}

class SeriesReference : public testing::TestWithParam<test::CsvRow> {};

TEST_P(SeriesReference, MoonNutationAndPlanetsUnchanged) {
    const test::CsvRow& row = GetParam();
    const double jd = row.Number(0);

    SkyCoordinates moon{};
    double distance = 0.0;
    ComputeMoonPosition(jd, moon, distance);
    EXPECT_NEAR(AngleApart(moon.longitude, row.Number(1)), 0.0, kAngleTolerance);
    EXPECT_NEAR(moon.latitude, row.Number(2), kAngleTolerance);
    EXPECT_NEAR(distance, row.Number(3), kMoonDistanceTolerance);

    double dpsi = 0.0, deps = 0.0;
    ComputeNutation(jd, dpsi, deps);
    EXPECT_NEAR(dpsi, row.Number(4), kAngleTolerance);
    EXPECT_NEAR(deps, row.Number(5), kAngleTolerance);

    for (int body = 0; body < kVsopBodies; ++body) {
        double l = 0.0, b = 0.0, r = 0.0;
        VsopHeliocentricPosition(jd, VsopSeries(static_cast<VsopBody>(body)), &l, &b, &r);
        const std::size_t column = 6 + 3 * static_cast<std::size_t>(body);
        EXPECT_NEAR(AngleApart(l, row.Number(column)), 0.0, kAngleTolerance) << "body " << body;
        EXPECT_NEAR(b, row.Number(column + 1), kAngleTolerance) << "body " << body;
        EXPECT_NEAR(r, row.Number(column + 2), kAuTolerance) << "body " << body;
    }
}

INSTANTIATE_TEST_SUITE_P(From1583To3000, SeriesReference, testing::ValuesIn(LoadReference()));

}  // namespace
}  // namespace corvinata
