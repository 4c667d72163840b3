#include "astro/series_trig.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvinata {
namespace {

// The cosine of the planetary series against the library's, across the
// quadrant boundaries and out to the largest arguments the series reach
// (frequency about 26000 radians per millennium, tau up to one millennium).
class SeriesCosineAgrees : public testing::TestWithParam<double> {};

TEST_P(SeriesCosineAgrees, WithinTwoUnitsOfTheLastPlace) {
    const double x = GetParam();
    EXPECT_NEAR(SeriesCosine(x), std::cos(x), 4e-16 + 2e-16 * std::fabs(x) * 1e-4) << x;
}

INSTANTIATE_TEST_SUITE_P(Arguments, SeriesCosineAgrees,
                         testing::Values(0.0, 0.7853981633974483, 0.7853981633974484, 1.5707963267948966,
                                         -1.5707963267948966, 3.141592653589793, 4.71238898038469,
                                         -2.5, 6.283185307179586, 100.25, -2041.3, 26087.9031415742,
                                         -26087.9031415742));

// Multiples of an angle from its sine and cosine, against direct evaluation.
class AngleMultiplesAgree : public testing::TestWithParam<double> {};

TEST_P(AngleMultiplesAgree, ForEveryMultiple) {
    const AngleMultiples multiples(GetParam());
    for (int k = -kLargestAngleMultiple; k <= kLargestAngleMultiple; ++k) {
        EXPECT_NEAR(multiples[k].sin, std::sin(k * GetParam()), 1e-15) << k;
        EXPECT_NEAR(multiples[k].cos, std::cos(k * GetParam()), 1e-15) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Angles, AngleMultiplesAgree, testing::Values(0.0, 0.3, 1.9, 3.1, 5.5, 6.2));

}  // namespace
}  // namespace corvinata
