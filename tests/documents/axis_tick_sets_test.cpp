// The tick sets of the value axis: their units in 64 bits and the kind-1
// rule.
#include "documents/axis_tick_sets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace corvinata {
namespace {

TEST(AxisTickSetsTest, UnitsOfTheExamples) {
    const auto hours = CreateAxisTicksKind0();
    EXPECT_EQ(hours->ToUnits(1.5), 5400000);
    EXPECT_EQ(hours->ToUnits(-0.0001), -360);
    EXPECT_EQ(hours->ToUnits(0.0), 0);
    EXPECT_EQ(hours->UnitOfLevel(0, 0), 3600000);
    EXPECT_EQ(hours->UnitOfLevel(1, 0), 60000);
    EXPECT_EQ(hours->UnitOfLevel(2, 0), 1000);
    EXPECT_EQ(hours->UnitOfLevel(3, -1), 100);
    EXPECT_EQ(hours->UnitOfLevel(3, -4), 1);
    EXPECT_TRUE(hours->IsFractionLevel(3) && !hours->IsFractionLevel(2));
    EXPECT_EQ(hours->Level(3)->nextLevel, 3);  // decimal fractions repeat

    const auto decimal = CreateAxisTicksKinds6To8And12();
    EXPECT_EQ(decimal->UnitOfLevel(0, -2), 10);
    EXPECT_TRUE(decimal->IsFractionLevel(1) && !decimal->IsFractionLevel(0));
    EXPECT_EQ(decimal->Level(0)->candidates.size(), 34u);
    EXPECT_EQ(decimal->Level(0)->candidates.back() * decimal->Factor(), 2000000000000LL);

    const auto signs = CreateAxisTicksKind9();
    EXPECT_EQ(signs->Factor(), 1);
    EXPECT_EQ(signs->UnitOfLevel(0, 0), 1);
    EXPECT_EQ(signs->Level(0)->nextLevel, -1);
    EXPECT_FALSE(signs->IsFractionLevel(0));
    EXPECT_EQ(CreateAxisTicksKind10()->Factor(), 1);
    EXPECT_EQ(CreateAxisTicksKind11()->Factor(), 1000);
}

// Neptune in kilometres, and beyond: no conversion overflows.
TEST(AxisTickSetsTest, LargeValuesStayWithin64Bits) {
    const auto decimal = CreateAxisTicksKinds6To8And12();
    EXPECT_EQ(decimal->ToUnits(4.5e9), 4500000000000LL);
    EXPECT_EQ(decimal->ToUnits(-4.5e9), -4500000000000LL);
    EXPECT_EQ(decimal->UnitOfLevel(0, 9), 1000000000000LL);
    EXPECT_EQ(decimal->UnitOfLevel(1, 30), kAxisUnitLimit);
    EXPECT_EQ(decimal->UnitOfLevel(1, -9), 0);
    EXPECT_EQ(decimal->ToUnits(std::numeric_limits<double>::infinity()), kAxisUnitLimit);
    EXPECT_EQ(decimal->ToUnits(-1e300), -kAxisUnitLimit);
    EXPECT_EQ(decimal->ToUnits(std::nan("")), 0);
    const auto hours = CreateAxisTicksKind0();
    EXPECT_EQ(hours->ToUnits(4.5e9), 16200000000000000LL);
    EXPECT_EQ(hours->UnitOfLevel(3, 40), kAxisUnitLimit);
}

TEST(AxisTickSetsTest, EveryKindHasItsSetAndKindOneTakesHoursOnlyForRightAscension) {
    const struct Case {
        int kind;
        int system;
        int raUnit;
        AxisUnits firstLevelLast;
    } cases[] = {
        {0, 0, 1, 24},   {1, 0, 1, 24},   {1, 0, 0, 360},  {1, 1, 1, 360}, {2, -1, 1, 90},
        {3, -1, 1, 360}, {4, -1, 1, 90},  {5, -1, 1, 180}, {6, 0, 1, 2000000000},
        {7, -1, 1, 2000000000}, {8, -1, 1, 2000000000}, {9, -1, 1, 88}, {10, -1, 1, 12},
        {11, -1, 1, 360}, {12, -1, 1, 2000000000},
    };
    for (const Case& c : cases) {
        const auto set = CreateAxisTickSet(c.kind, c.system, c.raUnit);
        ASSERT_NE(set, nullptr) << c.kind;
        EXPECT_EQ(set->Level(0)->candidates.back(), c.firstLevelLast) << c.kind << " " << c.system;
    }
    EXPECT_EQ(CreateAxisTickSet(1, 0, 1)->Level(0)->candidates.size(), 8u);
    EXPECT_EQ(CreateAxisTickSet(13, -1, 1), nullptr);
}

}  // namespace
}  // namespace corvinata
