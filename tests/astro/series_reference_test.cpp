// The lunar, nutation and planetary series against the values they gave
// when every term called the library's sine (reference/series_values.csv,
// 48 dates from 1583 to 3000): the faster evaluation must not move them.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "astro/moon.h"
#include "astro/nutation.h"
#include "astro/planet_series.h"
#include "support/csv_table.h"
#include "support/test_data.h"

namespace corvinata {
namespace {

constexpr double kDegree = 1e-9;         // tolerance of angles, degrees
constexpr double kAu = 1e-12;            // of radius vectors
constexpr double kMoonKm = 1e-6;         // of the Moon's distance
constexpr int kVsopBodies = 9;           // VsopBody::Mercury .. EarthJ2000

std::vector<test::CsvRow> LoadReference() {
    return test::ReadCsvFile(test::TestsPath("astro/reference/series_values.csv"));
}

double AngleApart(double a, double b) { return std::remainder(a - b, 360.0); }

class SeriesReference : public testing::TestWithParam<test::CsvRow> {};

TEST_P(SeriesReference, MoonNutationAndPlanetsUnchanged) {
    const test::CsvRow& row = GetParam();
    ASSERT_EQ(row.fields.size(), 6u + 3u * kVsopBodies);
    const double jd = row.Number(0);
    SkyCoordinates moon{};
    double distance = 0.0, dpsi = 0.0, deps = 0.0;
    ComputeMoonPosition(jd, moon, distance);
    ComputeNutation(jd, dpsi, deps);
    EXPECT_NEAR(AngleApart(moon.longitude, row.Number(1)), 0.0, kDegree);
    EXPECT_NEAR(moon.latitude, row.Number(2), kDegree);
    EXPECT_NEAR(distance, row.Number(3), kMoonKm);
    EXPECT_NEAR(dpsi, row.Number(4), kDegree);
    EXPECT_NEAR(deps, row.Number(5), kDegree);
    for (int body = 0; body < kVsopBodies; ++body) {
        double l = 0.0, b = 0.0, r = 0.0;
        VsopHeliocentricPosition(jd, VsopSeries(static_cast<VsopBody>(body)), &l, &b, &r);
        const std::size_t column = 6 + 3 * static_cast<std::size_t>(body);
        EXPECT_NEAR(AngleApart(l, row.Number(column)), 0.0, kDegree) << "body " << body;
        EXPECT_NEAR(b, row.Number(column + 1), kDegree) << "body " << body;
        EXPECT_NEAR(r, row.Number(column + 2), kAu) << "body " << body;
    }
}

INSTANTIATE_TEST_SUITE_P(From1583To3000, SeriesReference, testing::ValuesIn(LoadReference()));

}  // namespace
}  // namespace corvinata
