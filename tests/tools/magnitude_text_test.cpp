#include "tools/magnitude_text.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace corvinata {
namespace {

TEST(MagnitudeText, SignDecimalsAndPlaceholder) {
    struct Case {
        double magnitude;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {1.234, 1, "+1.2m"}, {-0.5, 1, "-0.5m"}, {0.0, 1, "0.0m"},
        {kNoMagnitude, 1, "-.-m"}, {-26.74, 2, "-26.74m"}, {5.0, 0, "+5m"},
    };
    for (const Case& c : cases) {
        String out(TXT("old"));
        FormatMagnitude(c.magnitude, out, c.decimals);
        EXPECT_EQ(test::Utf8(out), c.text) << c.magnitude;
    }
}

TEST(AngleBetween, ShortArcWithInclusiveLowerEnd) {
    struct Case {
        double a, b, x;
        bool between;
    };
    const Case cases[] = {
        {10, 50, 50, false}, {10, 50, 10, true},   {50, 10, 30, true},
        {350, 20, 5, true},  {350, 20, 180, false}, {20, 350, 355, true},
        {20, 350, 0, true},  {350, 20, 20, false},  {350, 20, 350, true},
        {0, 180, 180, false}, {0, 180, 90, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsAngleBetween(c.a, c.b, c.x), c.between) << c.a << " " << c.b << " " << c.x;
    }
}

TEST(AngleBetween, EqualEndsHoldNothing) {
    for (const double x : {0.0, 10.0, 10.5, 359.9}) {
        EXPECT_FALSE(IsAngleBetween(10.0, 10.0, x)) << x;
        EXPECT_FALSE(IsAngleBetween(0.0, 0.0, x)) << x;
    }
}

}  // namespace
}  // namespace corvinata
