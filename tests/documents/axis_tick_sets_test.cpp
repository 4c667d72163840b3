// The value axis's tick sets: units in 64 bits and the kind-1 rule.
#include "documents/axis_tick_sets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace corvinata {
namespace {

TEST(AxisTickSetsTest, UnitsOfTheExamplesAndOfLargeValues) {
    const auto hours = CreateAxisTicksKind0();
    EXPECT_EQ(hours->ToUnits(1.5), 5400000);
    EXPECT_EQ(hours->ToUnits(-0.0001), -360);
    EXPECT_EQ(hours->UnitOfLevel(3, -1), 100);
    EXPECT_EQ(hours->UnitOfLevel(3, -4), 1);
    EXPECT_EQ(hours->UnitOfLevel(0, 0) / hours->UnitOfLevel(1, 0), 60);
    EXPECT_EQ(hours->Level(3)->nextLevel, 3);  // decimal fractions repeat
    EXPECT_EQ(hours->ToUnits(4.5e9), 16200000000000000LL);
    EXPECT_EQ(hours->UnitOfLevel(3, 40), kAxisUnitLimit);

    const auto decimal = CreateAxisTicksKinds6To8And12();
    EXPECT_EQ(decimal->UnitOfLevel(0, -2), 10);
    EXPECT_TRUE(decimal->IsFractionLevel(1) && !decimal->IsFractionLevel(0));
    // Neptune in kilometres and the largest candidate: no overflow.
    EXPECT_EQ(decimal->ToUnits(-4.5e9), -4500000000000LL);
    EXPECT_EQ(decimal->Level(0)->candidates.back() * decimal->UnitOfLevel(0, 0), 2000000000000LL);
    EXPECT_EQ(decimal->UnitOfLevel(1, 30), kAxisUnitLimit);
    EXPECT_EQ(decimal->ToUnits(-std::numeric_limits<double>::infinity()), -kAxisUnitLimit);
    EXPECT_EQ(decimal->ToUnits(std::nan("")), 0);

    const auto signs = CreateAxisTicksKind9();
    EXPECT_EQ(std::make_pair(signs->Factor(), signs->UnitOfLevel(0, 0)), std::make_pair(AxisUnits{1}, AxisUnits{1}));
    EXPECT_EQ(signs->Level(0)->nextLevel, -1);
}

TEST(AxisTickSetsTest, EveryKindHasItsSetAndKindOneTakesHoursOnlyForRightAscensionInHours) {
    const struct Case {
        int kind, system, raUnit;
        AxisUnits last;
        std::size_t count;
    } cases[] = {
        {0, 0, 1, 24, 7},   {1, 0, 1, 24, 8},   {1, 0, 0, 360, 13}, {1, 1, 1, 360, 13},
        {2, -1, 1, 90, 8},  {3, -1, 1, 360, 13}, {4, -1, 1, 90, 8}, {5, -1, 1, 180, 11},
        {6, 0, 1, 2000000000, 34}, {7, -1, 1, 2000000000, 34}, {8, -1, 1, 2000000000, 34},
        {9, -1, 1, 88, 8},  {10, -1, 1, 12, 6}, {11, -1, 1, 360, 5}, {12, -1, 1, 2000000000, 34},
    };
    for (const Case& c : cases) {
        const auto set = CreateAxisTickSet(c.kind, c.system, c.raUnit);
        ASSERT_NE(set, nullptr) << c.kind;
        EXPECT_EQ(set->Level(0)->candidates.back(), c.last) << c.kind << " " << c.system << " " << c.raUnit;
        EXPECT_EQ(set->Level(0)->candidates.size(), c.count) << c.kind;
    }
    EXPECT_EQ(CreateAxisTickSet(9, -1, 1)->Factor() + CreateAxisTickSet(10, -1, 1)->Factor(), 2);
    EXPECT_EQ(CreateAxisTickSet(11, -1, 1)->Factor(), 1000);
    EXPECT_EQ(CreateAxisTickSet(13, -1, 1), nullptr);
}

}  // namespace
}  // namespace corvinata
