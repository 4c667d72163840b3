#include "astro/spherical_trig.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvinata {
namespace {

SkyCoordinates Point(double longitude, double latitude) {
    return SkyCoordinates{longitude, latitude, kEquatorialSystem};
}

struct PairCase {
    SkyCoordinates first;
    SkyCoordinates second;
    double expected;
    double tolerance;
};

void PrintTo(const PairCase& c, std::ostream* os) {
    *os << "(" << c.first.longitude << ", " << c.first.latitude << ") and ("
        << c.second.longitude << ", " << c.second.latitude << ")";
}

class PositionAngleCases : public testing::TestWithParam<PairCase> {};

TEST_P(PositionAngleCases, FromNorthThroughEast) {
    EXPECT_NEAR(PositionAngle(GetParam().first, GetParam().second), GetParam().expected,
                GetParam().tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, PositionAngleCases,
    testing::Values(PairCase{Point(40.0, 21.0), Point(40.0, 20.0), 0.0, 0.0},
                    PairCase{Point(40.01, 1.0), Point(40.0, 1.0), 90.0, 0.01},
                    PairCase{Point(40.0, 19.0), Point(40.0, 20.0), 180.0, 1e-12},
                    PairCase{Point(39.99, 1.0), Point(40.0, 1.0), 270.0, 0.01},
                    PairCase{Point(40.0, 20.0), Point(40.0, 20.0), 0.0, 0.0},
                    // Across the zero of longitude the difference is not reduced
                    // but the trigonometry is periodic.
                    PairCase{Point(0.01, 0.0), Point(359.99, 0.0), 90.0, 1e-6}));

class AngularDistanceCases : public testing::TestWithParam<PairCase> {};

TEST_P(AngularDistanceCases, IsTheSeparation) {
    EXPECT_NEAR(AngularDistance(GetParam().first, GetParam().second), GetParam().expected,
                GetParam().tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Separations, AngularDistanceCases,
    testing::Values(PairCase{Point(0.0, 0.0), Point(90.0, 0.0), 90.0, 1e-12},
                    PairCase{Point(10.0, 90.0), Point(250.0, -90.0), 180.0, 1e-12},
                    PairCase{Point(359.95, 0.0), Point(0.05, 0.0), 0.1, 1e-12},
                    PairCase{Point(0.05, 0.0), Point(359.95, 0.0), 0.1, 1e-12},
                    PairCase{Point(30.0, 10.0), Point(30.0, 10.1), 0.1, 1e-12},
                    PairCase{Point(30.0, 10.0), Point(30.0, 11.0), 1.0, 1e-12},
                    // Meeus, example 17.a: Arcturus and Spica, 32.7930 degrees.
                    PairCase{Point(213.9154, 19.1825), Point(201.2983, -11.1614), 32.7930,
                             1e-4}));

// The cosine sum of coincident points at latitude 2.5 rounds to
// 1.0000000000000002, whose arc cosine is not a number.
TEST(AngularDistance, CoincidentPointsGiveZero) {
    for (double latitude : {2.5, 45.0, 89.9, -30.0}) {
        const SkyCoordinates p = Point(123.0, latitude);
        EXPECT_EQ(AngularDistance(p, p), 0.0) << latitude;
    }
}

TEST(AngularDistance, ExactlyTenArcminutesKeepsTheLawOfCosines) {
    const double d = AngularDistance(Point(0.0, 0.0), Point(0.0, 1.0 / 6.0));
    EXPECT_NEAR(d, 1.0 / 6.0, 1e-9);
}

class SignedElongationCases : public testing::TestWithParam<PairCase> {};

TEST_P(SignedElongationCases, EastPositiveWestNegative) {
    EXPECT_NEAR(SignedElongation(GetParam().first, GetParam().second), GetParam().expected,
                GetParam().tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, SignedElongationCases,
    testing::Values(PairCase{Point(10.0, 0.0), Point(350.0, 0.0), 20.0, 1e-12},
                    PairCase{Point(350.0, 0.0), Point(10.0, 0.0), -20.0, 1e-12},
                    PairCase{Point(190.0, 0.0), Point(10.0, 0.0), 180.0, 1e-12},
                    PairCase{Point(100.0, 5.0), Point(100.0, 0.0), 5.0, 1e-12},
                    // The latitude of the second point is not read.
                    PairCase{Point(100.0, 5.0), Point(100.0, 40.0), 5.0, 1e-12},
                    PairCase{Point(100.0, -90.0), Point(20.0, 0.0), 90.0, 1e-12}));

}  // namespace
}  // namespace corvinata
