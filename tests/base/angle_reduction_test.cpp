#include "base/angle_reduction.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvinata {
namespace {

// Every reducer of the program is this one: a full turn, either way, is 0.
TEST(ReduceDegrees, BringsIntoOneTurnBelow360) {
    const double cases[][2] = {{359.5, 359.5}, {360.0, 0.0},     {725.0, 5.0},   {-370.0, 350.0},
                               {-0.5, 359.5},  {-360.0, 0.0},    {-720.0, 0.0},  {0.0, 0.0},
                               // Regression: a tiny negative angle came out as 360, outside
                               // every zone of the constellation table.
                               {-1e-20, 0.0}};
    for (const auto& c : cases) {
        const double reduced = ReduceDegrees(c[0]);
        EXPECT_DOUBLE_EQ(reduced, c[1]) << c[0];
        EXPECT_TRUE(reduced >= 0.0 && reduced < 360.0) << c[0];
    }
}

TEST(AngleBetween, ShortArcAcrossTheSeam) {
    const struct {
        double a, b, x;
        bool between;
    } cases[] = {{10, 50, 50, false}, {10, 50, 10, true},   {350, 20, 5, true},
                 {350, 20, 180, false}, {20, 350, 355, true}, {10, 10, 10, false}};
    for (const auto& c : cases) EXPECT_EQ(IsAngleBetween(c.a, c.b, c.x), c.between) << c.a << " " << c.x;
}

}  // namespace
}  // namespace corvinata
