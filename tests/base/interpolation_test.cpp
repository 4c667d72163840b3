#include "base/interpolation.h"

#include <gtest/gtest.h>

namespace corvinata {
namespace {

TEST(Interpolation, MatchesThreePointFormula) {
    const struct {
        const char* label;
        std::int32_t period;
        double y1, y2, y3, n, expected;
    } cases[] = {
        // A parabola is reproduced exactly: x^2 at -1, 0, 1.
        {"Parabola", kNoPeriod, 1, 0, 1, 0.5, 0.25},
        // Meeus, Astronomical Algorithms, example 3.a (Moon's distance, AU).
        {"MeeusExample3a", kNoPeriod, 0.884226, 0.877366, 0.870531, 0.18125, 0.8761253013},
        {"DegreesAcrossZero", 360, 358, 359, 1, 1, 1},
        {"HoursReachingMidnight", 24, 23.0, 23.5, 0.0, 1.0, 0.0},
        {"NoWrapWhenOnlySmallValues", 360, 10, 20, 30, -1, 10},
        // The thresholds are strict: 36 is not below a tenth of 360.
        {"ThresholdIsStrict", 360, 36, 200, 324, 0, 200},
        // A negative result of a wrapping quantity is left as it is.
        {"NegativeResultKept", 360, 10, 5, 0, 2, -5},
        // Regression: whole-number thresholds (24 / 100 x 10 = 0) never found
        // a wrap for a period below 100, so a rising time near midnight came
        // out near 12 h.
        {"DayLengthWrapsLikeDegrees", 24, 23.5, 0.5, 1.5, 0, 0.5},
        {"DayLengthWrapsBeforeMidnight", 24, 23.8, 23.9, 0.0, 0.5, 23.95},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(InterpolateThreeValues(c.period, c.y1, c.y2, c.y3, c.n), c.expected, 1e-9)
            << c.label;
    }
}

}  // namespace
}  // namespace corvinata
