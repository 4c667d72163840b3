#include "astro/saturn_ring.h"

#include <cmath>

#include <gtest/gtest.h>

namespace corvinata {
namespace {

struct Ring {
    double b, bPrime, p, major, minor, deltaU;
};

Ring RingAt(double jd) {
    Ring r{};
    SaturnPhysicalData(jd, r.b, r.bPrime, r.p, r.major, r.minor, r.deltaU);
    return r;
}

// Meeus, Astronomical Algorithms, example 45.a: 1992 December 16, 0h.
TEST(SaturnRing, ReproducesMeeusExample45a) {
    const Ring r = RingAt(2448972.5);
    EXPECT_NEAR(r.b, 16.442, 0.0005);
    EXPECT_NEAR(r.bPrime, 14.679, 0.0005);
    EXPECT_NEAR(r.p, 6.741, 0.0005);
    EXPECT_NEAR(r.major, 0.0099635, 5e-8);
    EXPECT_NEAR(r.minor, 0.0028201, 5e-8);
    EXPECT_NEAR(r.major * 3600.0, 35.87, 0.005);
    EXPECT_NEAR(r.minor * 3600.0, 10.15, 0.005);
    EXPECT_NEAR(r.deltaU, 4.198, 0.0005);
    // The major axis is 375.35 arcseconds over the light-time corrected distance.
    EXPECT_NEAR(375.35 / 3600.0 / r.major, 10.4646, 0.00005);
}

// In 1995 the Earth crossed the ring plane three times; at each crossing the
// ring is seen edge-on.
TEST(SaturnRing, MinorAxisVanishesWhenEarthCrossesRingPlane) {
    int crossings = 0;
    double previous = RingAt(2449700.0).b;
    for (double jd = 2449701.0; jd < 2450200.0; jd += 1.0) {
        const double current = RingAt(jd).b;
        if (previous * current <= 0.0) {
            double lo = jd - 1.0, hi = jd;
            for (int i = 0; i < 50; ++i) {
                const double mid = 0.5 * (lo + hi);
                ((RingAt(mid).b > 0.0) == (RingAt(lo).b > 0.0) ? lo : hi) = mid;
            }
            const Ring edgeOn = RingAt(0.5 * (lo + hi));
            EXPECT_NEAR(edgeOn.b, 0.0, 1e-9);
            EXPECT_NEAR(edgeOn.minor, 0.0, 1e-12);
            EXPECT_GT(edgeOn.major, 0.0);
            ++crossings;
        }
        previous = current;
    }
    EXPECT_EQ(crossings, 3);
}

// Around the 1995 crossings the Saturnicentric longitudes of the Sun and the
// Earth in the ring plane lie close to 180 degrees, on either side of it for
// months. Their difference must stay the small angle between them, not its
// complement to 360, which would spoil Saturn's magnitude.
TEST(SaturnRing, DeltaUStaysSmallWhenRingLongitudesStraddle180) {
    for (double jd = 2449790.0; jd < 2450090.0; jd += 1.0) {
        const Ring r = RingAt(jd);
        ASSERT_GE(r.deltaU, 0.0) << jd;
        ASSERT_LT(r.deltaU, 7.5) << jd;
    }
}

// Over one Saturn year: everything finite and in range, and P takes both signs
// (it is not folded into 0..360).
TEST(SaturnRing, StaysInRangeOverASaturnYear) {
    double lowest = 1e9, highest = -1e9;
    for (double jd = 2440000.0; jd < 2440000.0 + 29.5 * 365.25; jd += 20.0) {
        const Ring r = RingAt(jd);
        ASSERT_TRUE(std::isfinite(r.b) && std::isfinite(r.bPrime) && std::isfinite(r.p)) << jd;
        EXPECT_TRUE(std::fabs(r.b) <= 28.1 && std::fabs(r.bPrime) <= 28.1) << jd;
        EXPECT_TRUE(r.minor >= 0.0 && r.minor <= r.major) << jd;
        EXPECT_LT(r.deltaU, 7.5) << jd;
        lowest = std::fmin(lowest, r.p);
        highest = std::fmax(highest, r.p);
    }
    EXPECT_LT(lowest, -5.0);
    EXPECT_GT(highest, 5.0);
}

}  // namespace
}  // namespace corvinata
