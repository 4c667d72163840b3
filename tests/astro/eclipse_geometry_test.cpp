#include "astro/eclipse_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "base/date_time.h"
#include "support/date_records.h"

namespace corvinata {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The total eclipse of 1999 August 11 as the older tables give it (t0 11 h
// TD); the worked values below were computed from these very numbers, so
// they must be met to their last printed digit.
BesselianElements Eclipse1999AsPublished() {
    const double values[kBesselianCoefficientCount] = {
        0.07,     0.5443035, -0.0000406, -0.0000081, 0.502671,  -0.1184929, -0.0001158,
        0.00000169, 15.32734, -0.012035, -0.000003, 343.68741, 15.002983,  0.542462,
        0.0001168, -0.000011, -0.003643, 0.0001162, -0.0000116, 0.0046129, 0.00459};
    BesselianElements e;
    return BesselianElementsSet(e, kCentralTotalEclipse, values);
}

const BesselianElements& TableRow(int year, int month, int day) {
    const EclipseTableEntry* row = FindEclipseEntry(year, month, day);
    EXPECT_NE(row, nullptr) << year << "-" << month << "-" << day;
    static const BesselianElements empty;
    return row != nullptr ? row->elements : empty;
}

DateTime Date(int year, int month, int day) { return test::MakeDateTime(year, month, day); }

// Distance of an observer at a found point from the shadow axis, and the
// cone radii there, at the instant the search found.
struct ShadowAtPoint {
    double distance, l1, l2;
};

ShadowAtPoint ShadowAt(const BesselianElements& e, double t, double longitude,
                       double latitude, double deltaT) {
    const BesselianValues v = EvaluateBesselianElements(e, t);
    const FundamentalPlaneObserver o = ObserverOnFundamentalPlane(
        e, v, longitude, deltaT, ObserverGeocentricFactors(latitude, 0.0));
    return {std::hypot(o.u, o.v), v.l1 - o.zeta * e.tanf1, v.l2 - o.zeta * e.tanf2};
}

// ------------------------------------------------- the 1999 worked values

TEST(CentralLinePoint, Eclipse1999AtT0AsPublishedWithItsUmbralLimits) {
    CentralPoint p;
    ASSERT_EQ(CentralLinePoint(Eclipse1999AsPublished(), 0.0, 64.0, p), kCentralTotal);
    EXPECT_NEAR(p.place.longitude, -22.32, 0.005);
    EXPECT_NEAR(p.place.latitude, 45.69, 0.005);
    EXPECT_NEAR(p.durationSeconds, 143.0, 0.5);
    EXPECT_NEAR(p.sunAltitude, 59.3, 0.05);
    EXPECT_NEAR(p.widthKm, 112.0, 0.5);
    EXPECT_GT(p.magnitude, 1.0);
    // The umbral limits at that longitude, each within six steps.
    const LatitudeLimits limits = UmbralLimitsAtLongitude(Eclipse1999AsPublished(), p.place.longitude, 64.0);
    ASSERT_TRUE(limits.north.found && limits.south.found);
    EXPECT_NEAR(limits.north.latitude, 46.24, 0.005);
    EXPECT_NEAR(limits.south.latitude, 45.14, 0.005);
    EXPECT_TRUE(limits.north.iterations <= 6 && limits.south.iterations <= 6);
}

TEST(CentralLineExtremes, Eclipse1999AsPublished) {
    const CentralLineExtremesResult line = CentralLineExtremes(Eclipse1999AsPublished(), 64.0);
    EXPECT_NEAR(line.tBegin, -1.4764, 0.00005);
    EXPECT_NEAR(line.begin.longitude, 65.08, 0.005);
    EXPECT_NEAR(line.begin.latitude, 41.02, 0.005);
    EXPECT_NEAR(line.tEnd, 1.6173, 0.00005);
    EXPECT_NEAR(line.end.longitude, -87.28, 0.005);
    EXPECT_NEAR(line.end.latitude, 17.55, 0.005);
}

// The built-in row (the canon's values) puts the shadow about a kilometre
// further north, 0.013 degrees of latitude.
TEST(CentralLinePoint, Eclipse1999FromTheTable) {
    const BesselianElements& e = TableRow(1999, 8, 11);
    CentralPoint p;
    ASSERT_EQ(CentralLinePoint(e, 0.0, 64.0, p), kCentralTotal);
    EXPECT_NEAR(p.place.longitude, -22.32, 0.01);
    EXPECT_NEAR(p.place.latitude, 45.69, 0.02);
    EXPECT_NEAR(p.widthKm, 112.0, 1.0);
    EXPECT_NEAR(UmbralLimitsAtLongitude(Date(1999, 8, 11), p.place.longitude, 64.0).north.latitude, 46.24, 0.02);
    const CentralLineExtremesResult line = CentralLineExtremes(e, 64.0);
    EXPECT_NEAR(line.tBegin, -1.4764, 0.0005);
    EXPECT_NEAR(line.tEnd, 1.6173, 0.0005);
}

// ------------------------------------------------------ latitude searches

TEST(CentralLineAtLongitude, MeetsTheCentralPointOfThatLongitude) {
    const BesselianElements& e = TableRow(2017, 8, 21);
    for (double t : {-1.0, 1.1}) {
        CentralPoint p;
        ASSERT_NE(CentralLinePoint(e, t, 69.0, p), kNoCentralPoint) << t;
        const CentralLineCrossing crossing = CentralLineAtLongitude(e, p.place.longitude, 69.0);
        ASSERT_TRUE(crossing.point.found) << t;
        EXPECT_NEAR(crossing.point.t, t, 1e-4);
        EXPECT_NEAR(crossing.point.latitude, p.place.latitude, 1e-3);
        EXPECT_NEAR(crossing.widthKm, p.widthKm, 0.5);
        EXPECT_NEAR(crossing.durationSeconds, p.durationSeconds, 0.5);
    }
}

// Longitude (west), eclipse and the curve searched: at every point found the
// observer's distance from the shadow axis at the instant found is the
// radius the curve stands for.
TEST(LatitudeLimits, PointsLieAtTheRadiusOfTheCurve) {
    const struct {
        int year, month, day;
        double longitude;
        double k;  // magnitude of the curve; negative: the umbral limits
    } cases[] = {{1999, 8, 11, -22.32, -1.0}, {1999, 8, 11, -10.0, 0.4}, {2010, 1, 15, -75.0, -1.0},
                 {2011, 1, 4, -20.0, 0.0}};
    const double deltaT = 66.0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << " at " << c.longitude << " k " << c.k);
        const BesselianElements& e = TableRow(c.year, c.month, c.day);
        const LatitudeLimits limits = c.k < 0 ? UmbralLimitsAtLongitude(e, c.longitude, deltaT)
                                              : MagnitudeLimitsAtLongitude(e, c.longitude, deltaT, c.k);
        int found = 0;
        for (const LatitudeSearch* side : {&limits.north, &limits.south}) {
            if (!side->found) {
                EXPECT_EQ(side->latitude, kNotComputedAngle);
                continue;
            }
            ++found;
            const ShadowAtPoint s = ShadowAt(e, side->t, c.longitude, side->latitude, deltaT);
            const double radius = c.k < 0 ? std::fabs(s.l2) : s.l1 - c.k * (s.l1 + s.l2);
            EXPECT_NEAR(s.distance, std::fabs(radius), 2e-5);
        }
        EXPECT_GE(found, 1);
        EXPECT_TRUE(found < 2 || limits.north.latitude > limits.south.latitude);
    }
}

// At 150 degrees west it is night during the eclipse of 1999 August 11; the
// next day has no eclipse. Neither finds anything.
TEST(LatitudeSearch, FailsWhereTheSunIsDownOrWithoutEclipse) {
    for (const auto& [day, longitude] : {std::pair{11, 150.0}, std::pair{12, -22.0}}) {
        const DateTime date = Date(1999, 8, day);
        const CentralLineCrossing central = CentralLineAtLongitude(date, longitude, 64.0);
        EXPECT_TRUE(!central.point.found && central.point.latitude == kNotComputedAngle &&
                    central.point.t == 0.0 && central.widthKm == 0.0 && central.durationSeconds == 0.0);
        for (const LatitudeLimits& limits : {UmbralLimitsAtLongitude(date, longitude, 64.0),
                                             MagnitudeLimitsAtLongitude(date, longitude, 64.0, 0.0)}) {
            for (const LatitudeSearch& side : {limits.north, limits.south}) {
                EXPECT_TRUE(!side.found && side.latitude == kNotComputedAngle && side.t == 0.0) << day;
            }
        }
    }
}

// ------------------------------------------------------------- the axis

TEST(CentralLinePoint, PartialEclipseHasNoCentralPoint) {
    const BesselianElements& e = TableRow(2011, 1, 4);
    ASSERT_EQ(e.type, kPartialEclipse);
    for (double t = -4.0; t <= 4.0; t += 1.0) {
        CentralPoint p;
        p.widthKm = 7.0;
        EXPECT_EQ(CentralLinePoint(e, t, 66.0, p), kNoCentralPoint) << t;
        EXPECT_EQ(p.widthKm, 7.0);
    }
}

TEST(CentralLinePoint, HybridEclipseIsAnnularAtTheEndsAndTotalInTheMiddle) {
    const BesselianElements& e = TableRow(2013, 11, 3);
    ASSERT_EQ(e.type, kAnnularTotalEclipse);
    const CentralLineExtremesResult line = CentralLineExtremes(e, 67.0);
    CentralPoint p;
    EXPECT_EQ(CentralLinePoint(e, line.tBegin + 0.001, 67.0, p), kCentralAnnular);
    EXPECT_EQ(CentralLinePoint(e, 0.5 * (line.tBegin + line.tEnd), 67.0, p), kCentralTotal);
}

TEST(CentralLineExtremes, EndsLieOnTheLimbAtSunriseAndSunset) {
    const BesselianElements& e = TableRow(2024, 4, 8);
    const CentralLineExtremesResult line = CentralLineExtremes(e, 74.0);
    ASSERT_LT(line.tBegin, line.tEnd);
    for (double t : {line.tBegin, line.tEnd}) {
        const BesselianValues v = EvaluateBesselianElements(e, t);
        EXPECT_NEAR(std::hypot(v.x, v.rho1inv * v.y), 1.0, 1e-5) << t;
    }
    // Just inside the ends the axis meets the Earth with the Sun on the horizon.
    CentralPoint p;
    ASSERT_NE(CentralLinePoint(e, line.tBegin + 1e-6, 74.0, p), kNoCentralPoint);
    EXPECT_NEAR(p.sunAltitude, 0.0, 0.2);
    EXPECT_NEAR(p.place.latitude, line.begin.latitude, 0.2);
}

// Square roots of the limb geometry are clamped: an axis that misses the
// Earth (non-central eclipses) or only grazes it gives numbers, never NaN.
TEST(CentralLineExtremes, EveryRowOfTheTableGivesFiniteInstants) {
    for (const EclipseTableEntry& row : EclipseTable()) {
        const CentralLineExtremesResult line = CentralLineExtremes(row.elements, 70.0);
        EXPECT_TRUE(std::isfinite(line.tBegin) && std::isfinite(line.tEnd) && line.tBegin <= line.tEnd &&
                    std::isfinite(line.begin.latitude) && std::isfinite(line.end.longitude))
            << row.year << "-" << row.month << "-" << row.day;
        EXPECT_TRUE(std::isfinite(CentralLineLimitTime(row.elements, 0.0, kCentralLineBegin)));
    }
}

// ------------------------------------------------------- small geometry

TEST(AnglesFromDirection, RecoversLatitudeAndHourAngle) {
    for (double latitude : {-1.2, 1.5}) {
        for (double hourAngle : {-1.5, 1.6, 3.1, 4.6}) {
            const DirectionAngles a = AnglesFromDirection(std::cos(latitude) * std::sin(hourAngle),
                                                          std::cos(latitude) * std::cos(hourAngle),
                                                          std::sin(latitude));
            EXPECT_NEAR(a.latitude, latitude, 1e-12);
            EXPECT_NEAR(a.hourAngle, hourAngle, 1e-9) << latitude;
            // A direction pointing backwards lies beyond a quarter turn.
            if (std::cos(hourAngle) < 0.0) {
                EXPECT_GT(a.hourAngle, kPi / 2);
                EXPECT_LT(a.hourAngle, 3 * kPi / 2);
            }
        }
    }
}

TEST(AnglesFromDirection, SlightlyLongVectorsAndThePoleGiveNumbers) {
    EXPECT_NEAR(AnglesFromDirection(1.0 + 1e-12, 0.0, 0.0).hourAngle, kPi / 2, 1e-6);
    const DirectionAngles pole = AnglesFromDirection(0.0, 0.0, 1.0 + 1e-12);
    EXPECT_NEAR(pole.latitude, kPi / 2, 1e-12);
    EXPECT_TRUE(std::isfinite(pole.hourAngle));
}

TEST(ObserverGeocentricFactors, PalomarAsInMeeus) {
    // Meeus, Astronomical Algorithms, example 11.a: 33 deg 21' 22" N, 1706 m.
    const GeocentricFactors f = ObserverGeocentricFactors(33.0 + 21.0 / 60 + 22.0 / 3600, 1706.0);
    EXPECT_NEAR(f.rhoSinPhi, 0.546861, 1e-6);
    EXPECT_NEAR(f.rhoCosPhi, 0.836339, 1e-6);
}

TEST(ObserverOnFundamentalPlane, RatesFollowTheObserverAndTheShadow) {
    const BesselianElements& e = TableRow(2024, 4, 8);
    const GeocentricFactors f = ObserverGeocentricFactors(32.78, 140.0);
    const double h = 1e-4;
    for (double t : {-1.0, 1.5}) {
        const auto at = [&](double time) {
            return ObserverOnFundamentalPlane(e, EvaluateBesselianElements(e, time), 96.8, 74.0, f);
        };
        const FundamentalPlaneObserver o = at(t), before = at(t - h), after = at(t + h);
        EXPECT_NEAR(o.a, (after.u - before.u) / (2 * h), 1e-4) << t;
        EXPECT_NEAR(o.b, (after.v - before.v) / (2 * h), 1e-4) << t;
        EXPECT_NEAR(o.xi * o.xi + o.eta * o.eta + o.zeta * o.zeta,
                    f.rhoSinPhi * f.rhoSinPhi + f.rhoCosPhi * f.rhoCosPhi, 1e-12);
    }
}

}  // namespace
}  // namespace corvinata
