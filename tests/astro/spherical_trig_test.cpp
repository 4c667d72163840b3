#include "astro/spherical_trig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>

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

template <typename Function, std::size_t N>
void ExpectPairs(Function function, const PairCase (&cases)[N]) {
    for (const PairCase& c : cases) {
        EXPECT_NEAR(function(c.first, c.second), c.expected, c.tolerance)
            << "(" << c.first.longitude << ", " << c.first.latitude << ") and (" << c.second.longitude
            << ", " << c.second.latitude << ")";
    }
}

TEST(PositionAngle, FromNorthThroughEast) {
    const PairCase cases[] = {{Point(40.0, 21.0), Point(40.0, 20.0), 0.0, 0.0},
                              {Point(40.01, 1.0), Point(40.0, 1.0), 90.0, 0.01},
                              {Point(40.0, 19.0), Point(40.0, 20.0), 180.0, 1e-12},
                              {Point(39.99, 1.0), Point(40.0, 1.0), 270.0, 0.01},
                              {Point(40.0, 20.0), Point(40.0, 20.0), 0.0, 0.0},
                              // Across the zero of longitude the difference is not
                              // reduced but the trigonometry is periodic.
                              {Point(0.01, 0.0), Point(359.99, 0.0), 90.0, 1e-6}};
    ExpectPairs(PositionAngle, cases);
}

TEST(AngularDistance, IsTheSeparation) {
    const PairCase cases[] = {{Point(0.0, 0.0), Point(90.0, 0.0), 90.0, 1e-12},
                              {Point(10.0, 90.0), Point(250.0, -90.0), 180.0, 1e-12},
                              {Point(359.95, 0.0), Point(0.05, 0.0), 0.1, 1e-12},
                              {Point(30.0, 10.0), Point(30.0, 10.1), 0.1, 1e-12},
                              // Exactly ten arcminutes keeps the law of cosines.
                              {Point(0.0, 0.0), Point(0.0, 1.0 / 6.0), 1.0 / 6.0, 1e-9},
                              // Meeus, example 17.a: Arcturus and Spica, 32.7930 degrees.
                              {Point(213.9154, 19.1825), Point(201.2983, -11.1614), 32.7930, 1e-4}};
    ExpectPairs(AngularDistance, cases);
}

// The cosine sum of coincident points at latitude 2.5 rounds to
// 1.0000000000000002, whose arc cosine is not a number.
TEST(AngularDistance, CoincidentPointsGiveZero) {
    for (double latitude : {2.5, 45.0, 89.9, -30.0}) {
        const SkyCoordinates p = Point(123.0, latitude);
        EXPECT_EQ(AngularDistance(p, p), 0.0) << latitude;
    }
}

TEST(SignedElongation, EastPositiveWestNegative) {
    const PairCase cases[] = {{Point(10.0, 0.0), Point(350.0, 0.0), 20.0, 1e-12},
                              {Point(350.0, 0.0), Point(10.0, 0.0), -20.0, 1e-12},
                              {Point(190.0, 0.0), Point(10.0, 0.0), 180.0, 1e-12},
                              // The latitude of the second point is not read.
                              {Point(100.0, 5.0), Point(100.0, 40.0), 5.0, 1e-12},
                              {Point(100.0, -90.0), Point(20.0, 0.0), 90.0, 1e-12}};
    ExpectPairs(SignedElongation, cases);
}

}  // namespace
}  // namespace corvinata
