#include "astro/planet_series.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "support/csv_table.h"

namespace corvinata {
namespace {

// Tolerances against the reference values, which evaluate the same abridged
// tables independently: the two agree to rounding.
constexpr double kAngleTolerance = 1e-8;   // degrees
constexpr double kRadiusTolerance = 1e-9;  // AU

double AngleDifference(double a, double b) { return std::remainder(a - b, 360.0); }

TEST(VsopSeries, FirstTermsOfThePublishedTables) {
    struct Expected {
        VsopBody body;
        char coordinate;
        int power;
        int row;
        VsopTerm term;
    };
    const Expected expected[] = {
        {VsopBody::Mercury, 'L', 0, 1, {40989415.0, 1.48302034, 26087.90314157}},
        // The J2000.0 set shares L0, B0 and R with the Earth of date.
        {VsopBody::EarthJ2000, 'L', 0, 0, {175347046.0, 0.0, 0.0}},
        {VsopBody::EarthJ2000, 'L', 4, 0, {8.0, 4.14, 6283.08}},
        {VsopBody::EarthJ2000, 'B', 1, 0, {227778.0, 3.413766, 6283.07585}},
    };
    for (const Expected& e : expected) {
        const PlanetSeries& set = VsopSeries(e.body);
        const VsopCoordinateSeries* coordinate =
            e.coordinate == 'L' ? set.l : e.coordinate == 'B' ? set.b : set.r;
        ASSERT_LT(static_cast<std::uint32_t>(e.power), coordinate->powers);
        const VsopTerm& term = coordinate->series[e.power].terms[e.row];
        SCOPED_TRACE(testing::Message() << static_cast<int>(e.body) << " " << e.coordinate
                                        << e.power << " row " << e.row);
        EXPECT_TRUE(term.a == e.term.a && term.b == e.term.b && term.c == e.term.c);
    }
    EXPECT_EQ(VsopSeries(VsopBody::EarthJ2000).r, VsopSeries(VsopBody::Earth).r);
}

// Table 37.A: the first and last rows as printed, and every row's coefficients
// are the ones the sums use (with all arguments zero each row adds its cosine
// coefficient).
TEST(PlutoTerms, PublishedRowsFeedTheSums) {
    const PlutoTerm first = PlutoTermAt(0);
    EXPECT_EQ(first.argument.p, 1);
    EXPECT_EQ(first.longitude.sine, -19799805);
    EXPECT_EQ(first.radius.cosine, 68951812);
    const PlutoTerm last = PlutoTermAt(kPlutoTermCount - 1);
    EXPECT_TRUE(last.argument.j == 3 && last.argument.s == 0 && last.argument.p == 0);
    EXPECT_TRUE(PlutoTermAt(kPlutoTermCount).radius.cosine == 0 && PlutoTermAt(-1).longitude.sine == 0);

    double longitude = 0.0, latitude = 0.0, radius = 0.0;
    for (int row = 0; row < kPlutoTermCount; ++row) {
        const PlutoTerm term = PlutoTermAt(row);
        longitude += term.longitude.cosine;
        latitude += term.latitude.cosine;
        radius += term.radius.cosine;
    }
    EXPECT_NEAR(PlutoSeriesSum(PlutoTable::Longitude, 0.0, 0.0, 0.0), longitude, 1e-6);
    EXPECT_NEAR(PlutoSeriesSum(PlutoTable::Latitude, 0.0, 0.0, 0.0), latitude, 1e-6);
    EXPECT_NEAR(PlutoSeriesSum(PlutoTable::Radius, 0.0, 0.0, 0.0), radius, 1e-6);
}

// Meeus, example 32.a: Venus, 1992 December 20.0 TD.
TEST(VsopHeliocentricPosition, MeeusExample32a) {
    double l = 0.0, b = 0.0, r = 0.0;
    VsopHeliocentricPosition(2448976.5, VsopSeries(VsopBody::Venus), &l, &b, &r);
    EXPECT_NEAR(l, 26.11428, 1e-5);
    EXPECT_NEAR(b, -2.62070, 1e-5);
    EXPECT_NEAR(r, 0.724603, 1e-6);
}

TEST(VsopHeliocentricPosition, SkipsMissingOutputs) {
    double r = 0.0;
    VsopHeliocentricPosition(2451545.0, VsopSeries(VsopBody::Mars), nullptr, nullptr, &r);
    EXPECT_NEAR(r, 1.3912, 1e-3);
}

class VsopGolden : public testing::TestWithParam<test::CsvRow> {};

TEST_P(VsopGolden, MatchesReference) {
    static const std::map<std::string, VsopBody> kBodies = {
        {"mercury", VsopBody::Mercury}, {"venus", VsopBody::Venus},     {"earth", VsopBody::Earth},
        {"mars", VsopBody::Mars},       {"jupiter", VsopBody::Jupiter}, {"saturn", VsopBody::Saturn},
        {"uranus", VsopBody::Uranus},   {"neptune", VsopBody::Neptune}};
    const test::CsvRow& row = GetParam();
    double l = 0.0, b = 0.0, r = 0.0;
    VsopHeliocentricPosition(row.Number(0), VsopSeries(kBodies.at(row.Text(1))), &l, &b, &r);
    EXPECT_TRUE(l >= 0.0 && l < 360.0) << l;
    EXPECT_NEAR(AngleDifference(l, row.Number(2)), 0.0, kAngleTolerance);
    EXPECT_NEAR(b, row.Number(3), kAngleTolerance);
    EXPECT_NEAR(r, row.Number(4), kRadiusTolerance);
}

INSTANTIATE_TEST_SUITE_P(Planets1583To3000, VsopGolden,
                         testing::ValuesIn(test::ReadCsv("theory/golden/vsop87_planets.csv")),
                         [](const auto& info) { return test::RowName(info.param); });

// The index of PlanetHeliocentricPosition picks the right series.
TEST(PlanetHeliocentricPosition, IndexesFollowTheSeries) {
    const VsopBody bodies[] = {VsopBody::Mercury, VsopBody::Venus,  VsopBody::Mars,
                               VsopBody::Jupiter, VsopBody::Saturn, VsopBody::Uranus,
                               VsopBody::Neptune};
    for (int index = kMercuryIndex; index <= kNeptuneIndex; ++index) {
        double l1 = 0.0, b1 = 0.0, r1 = 0.0, l2 = 0.0, b2 = 0.0, r2 = 0.0;
        PlanetHeliocentricPosition(2400000.5, &l1, &b1, &r1, index);
        VsopHeliocentricPosition(2400000.5, VsopSeries(bodies[index]), &l2, &b2, &r2);
        EXPECT_TRUE(l1 == l2 && b1 == b2 && r1 == r2) << index;
    }
}

class SunJ2000Golden : public testing::TestWithParam<test::CsvRow> {};

TEST_P(SunJ2000Golden, MatchesReference) {
    const test::CsvRow& row = GetParam();
    double x = 0.0, y = 0.0, z = 0.0;
    SunRectangularJ2000(row.Number(0), x, y, z);
    EXPECT_NEAR(x, row.Number(1), kRadiusTolerance);
    EXPECT_NEAR(y, row.Number(2), kRadiusTolerance);
    EXPECT_NEAR(z, row.Number(3), kRadiusTolerance);
}

INSTANTIATE_TEST_SUITE_P(Dates1583To3000, SunJ2000Golden,
                         testing::ValuesIn(test::ReadCsv("theory/golden/sun_j2000.csv")),
                         [](const auto& info) { return test::RowName(info.param); });

TEST(SunRectangularJ2000, OctoberThirteenth1992) {
    double x = 0.0, y = 0.0, z = 0.0;
    SunRectangularJ2000(2448908.5, x, y, z);
    EXPECT_NEAR(x, -0.93739590, 5e-9);
    EXPECT_NEAR(y, -0.31316793, 5e-9);
    EXPECT_NEAR(z, -0.13577923, 5e-9);
}

class PlutoGolden : public testing::TestWithParam<test::CsvRow> {};

TEST_P(PlutoGolden, MatchesReference) {
    const test::CsvRow& row = GetParam();
    double l = 0.0, b = 0.0, r = 0.0, lightTime = 0.0;
    ComputePluto(row.Number(0), &l, &b, &r, nullptr, lightTime);
    EXPECT_NEAR(AngleDifference(l, row.Number(1)), 0.0, kAngleTolerance);
    EXPECT_NEAR(b, row.Number(2), kAngleTolerance);
    EXPECT_NEAR(r, row.Number(3), kRadiusTolerance);
}

INSTANTIATE_TEST_SUITE_P(Dates1885To2099, PlutoGolden,
                         testing::ValuesIn(test::ReadCsv("theory/golden/pluto.csv")),
                         [](const auto& info) { return test::RowName(info.param); });

TEST(GoldenTables, ArePresent) {
    EXPECT_EQ(test::ReadCsv("theory/golden/vsop87_planets.csv").size(), 400u);
    EXPECT_EQ(test::ReadCsv("theory/golden/sun_j2000.csv").size(), 50u);
    EXPECT_EQ(test::ReadCsv("theory/golden/pluto.csv").size(), 50u);
}

// Meeus, example 37.a: 1992 October 13.0 TD.
TEST(ComputePluto, MeeusExample37a) {
    double l = 0.0, b = 0.0, r = 0.0, distance = 0.0, lightTime = 0.0;
    ComputePluto(2448908.5, &l, &b, &r, &distance, lightTime);
    EXPECT_NEAR(l, 232.74071, 5e-6);
    EXPECT_NEAR(b, 14.58782, 5e-6);
    EXPECT_NEAR(r, 29.711111, 5e-7);
    EXPECT_NEAR(distance, 30.5287, 1e-4);
    EXPECT_DOUBLE_EQ(lightTime, 0.0057755183 * distance);
}

// The position for an observation at jd is that of the moment the light
// left Pluto, jd minus the light time of the distance found.
TEST(PlutoLightTimePosition, IsPositionAtEmissionTime) {
    const double jd = 2451545.0;
    double l = 0.0, b = 0.0, r = 0.0, distance = 0.0;
    PlutoLightTimePosition(jd, &l, &b, &r, &distance);
    double le = 0.0, be = 0.0, re = 0.0, lightTime = 0.0;
    ComputePluto(jd - 0.0057755183 * distance, &le, &be, &re, nullptr, lightTime);
    EXPECT_NEAR(l, le, 1e-7);
    EXPECT_NEAR(b, be, 1e-7);
    EXPECT_NEAR(r, re, 1e-8);
    double lIndex = 0.0;
    PlanetHeliocentricPosition(jd, &lIndex, nullptr, nullptr, kPlutoIndex);
    EXPECT_EQ(lIndex, l);
}

// Before about 1835 the mean longitude 238.96 + 144.96 T is negative, and a
// longitude reduced only from above stayed negative.
TEST(ComputePluto, LongitudeStaysInFullCircleLongBefore1885) {
    for (double jd = 2299238.5; jd < 2409542.5; jd += 5000.0) {
        double l = 0.0, unused = 0.0;
        ComputePluto(jd, &l, nullptr, nullptr, nullptr, unused);
        ASSERT_TRUE(l >= 0.0 && l < 360.0) << jd;
    }
}

// Outside 1885-2099 the series runs on: no jump at the ends of its range,
// and over 1583-3000 it stays within a few degrees of Pluto's Keplerian orbit
// from the mean elements of Standish (JPL, 1800-2050 set).
TEST(ComputePluto, ContinuesSmoothlyBeyondItsRange) {
    for (double edge : {2409542.5, 2488068.5}) {
        double before = 0.0, after = 0.0, unused = 0.0;
        ComputePluto(edge - 0.5, &before, nullptr, nullptr, nullptr, unused);
        ComputePluto(edge + 0.5, &after, nullptr, nullptr, nullptr, unused);
        EXPECT_LT(std::fabs(AngleDifference(after, before)), 0.01) << edge;
    }
    const struct {
        double jd, l, b, r;
    } orbit[] = {{2451545.0 - 417 * 365.25, 11.17, -16.93, 46.85},
                            {2451545.0 + 1000 * 365.25, 269.58, 6.20, 31.50}};
    for (const auto& k : orbit) {
        double l = 0.0, b = 0.0, r = 0.0, unused = 0.0;
        ComputePluto(k.jd, &l, &b, &r, nullptr, unused);
        EXPECT_NEAR(AngleDifference(l, k.l), 0.0, 5.0) << k.jd;
        EXPECT_NEAR(b, k.b, 2.0) << k.jd;
        EXPECT_NEAR(r, k.r, 0.5) << k.jd;
    }
}

}  // namespace
}  // namespace corvinata
