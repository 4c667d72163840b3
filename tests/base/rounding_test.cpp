#include "base/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace corvinata {
namespace {

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();

TEST(RoundToInt, RoundsHalfAwayFromZeroAndSaturates) {
    const struct { double x; std::int32_t expected; } cases[] = {
        {2.5, 3}, {-2.5, -3}, {1e10, kIntMax}, {-1e10, kIntMin},
        {2147483647.0, kIntMax}, {-2147483648.0, kIntMin},
        // Regressions: 0.49999999999999994 + 0.5 rounds to 1.0 in double
        // arithmetic; a value that is no number was an undefined conversion.
        {0.49999999999999994, 0}, {-0.49999999999999994, 0},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {std::numeric_limits<double>::infinity(), kIntMax}};
    for (const auto& c : cases) EXPECT_EQ(RoundToInt(c.x), c.expected) << c.x;
}

TEST(RoundToNearestStep, TakesNearestMultipleHalfwayUp) {
    const struct { double value, step, expected; } cases[] = {
        {12, 5, 10}, {12.5, 5, 15}, {-12.5, 5, -10}, {-13, 5, -15}, {1.1, 0.25, 1.0},
        // Steps that cannot be rounded to leave the value alone.
        {12, 0, 12}, {12, -5, 12},
        // Regression: a negative zero would be written "-0" by the formatter.
        {-2, 5, 0}};
    for (const auto& c : cases) {
        double value = c.value;
        RoundToNearestStep(value, c.step);
        EXPECT_DOUBLE_EQ(value, c.expected) << c.value << " step " << c.step;
        EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << c.value << " step " << c.step;
    }
}

TEST(ScaleStep, ScalesAndRoundsHalfAwayFromZero) {
    const struct { std::int32_t count, exponent, expected; } cases[] = {
        {25, -1, 3}, {-25, -1, -3}, {24, -1, 2}, {25, 2, 2500}, {-149, -2, -1},
        {1, 9, 1000000000}, {2147483647, -9, 2}, {kIntMin, -10, 0}, {5, kIntMin, 0},
        // Regression: an overflow saturates instead of wrapping.
        {3, 9, kIntMax}, {-3, 9, kIntMin}, {1, kIntMax, kIntMax}};
    for (const auto& c : cases) {
        EXPECT_EQ(ScaleStepByPowerOfTen(c.count, c.exponent), c.expected)
            << c.count << "e" << c.exponent;
    }
}

}  // namespace
}  // namespace corvinata
