#include "views/axis_tick_iterator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace corvinata {
namespace {

std::vector<double> TickValues(AxisTickIterator& iterator) {
    std::vector<double> values;
    AxisUnits value = 0;
    int pixel = 0;
    for (bool more = iterator.First(value, pixel); more; more = iterator.Next(value, pixel))
        values.push_back(static_cast<double>(value) / static_cast<double>(iterator.UnitValue()));
    return values;
}

std::vector<int> TickPixels(const AxisTickIterator& iterator) {
    std::vector<int> pixels;
    for (const AxisTick& tick : iterator.Ticks()) pixels.push_back(tick.pixel);
    return pixels;
}

TEST(AxisTickIteratorTest, ExamplesOfTheStepSearch) {
    // 0 to 6 hours on 300 pixels: a step of one hour, whose minor level
    // (60 minutes) adds no tick between the hours.
    auto hours = CreateAxisTickIterator(0, -1, 1);
    const AxisTickLabels hourLabels = hours->Compute(0.0, 6.0, 300, 30, 30);
    ASSERT_EQ(hours->ChosenLevels().size(), 2u);
    EXPECT_EQ(hours->ChosenLevels()[0].multiple, 1);
    EXPECT_EQ(hours->ChosenLevels()[1].multiple, 60);
    EXPECT_EQ(TickValues(*hours), (std::vector<double>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(TickPixels(*hours), (std::vector<int>{0, 50, 100, 150, 200, 250, 300}));
    EXPECT_EQ(hourLabels, (AxisTickLabels{0, 6, 1}));
    EXPECT_EQ(hours->LabelLevel(), 0);

    // -30 to 90 degrees: the step comes from the 90-degree side, so a tick
    // falls on zero, at zero's own pixel.
    auto altitude = CreateAxisTickIterator(2, -1, 1);
    altitude->Compute(-30.0, 90.0, 300, 30, 30);
    EXPECT_EQ(TickValues(*altitude), (std::vector<double>{-30, -15, 0, 15, 30, 45, 60, 75, 90}));
    EXPECT_EQ(altitude->Ticks()[2].pixel, 75);

    // 20 arc minutes find nothing among the degrees and step in minutes.
    auto minutes = CreateAxisTickIterator(3, -1, 1);
    minutes->Compute(0.0, 20.0 / 60.0, 200, 30, 30);
    ASSERT_EQ(minutes->ChosenLevels().size(), 1u);
    EXPECT_EQ(minutes->ChosenLevels()[0].level, 1);
    EXPECT_EQ(minutes->ChosenLevels()[0].multiple, 5);
    EXPECT_EQ(minutes->Ticks().size(), 5u);
    EXPECT_EQ(minutes->LabelLevel(), 1);
}

TEST(AxisTickIteratorTest, LabelsFollowTheDivisibilityChainOfTheLevel) {
    // 15-minute ticks 37.5 pixels apart over 3 hours.
    struct Case {
        int labelSpacing;
        AxisTickLabels labels;
    };
    const Case cases[] = {
        {30, {0, 12, 1}},   // every tick
        {60, {0, 12, 2}},   // 30 minutes
        {100, {0, 12, 4}},   // 60 minutes
        {200, {0, 8, 8}},   // past the minutes: two hours
    };
    auto iterator = CreateAxisTickIterator(0, -1, 1);
    for (const Case& c : cases) {
        EXPECT_EQ(iterator->Compute(0.0, 3.0, 450, 30, c.labelSpacing), c.labels) << c.labelSpacing;
        EXPECT_EQ(iterator->TickStep(), 15 * 60 * 1000);
        EXPECT_EQ(iterator->Ticks().size(), 13u);
    }
    // 1:15 to 1:45 in 5-minute ticks: labels every hour would fall on no tick.
    const AxisTickLabels none = iterator->Compute(1.25, 1.75, 300, 30, 400);
    EXPECT_EQ(none.first, -1);
    EXPECT_EQ(none.last, -1);
    EXPECT_EQ(iterator->Ticks().size(), 7u);
}

TEST(AxisTickIteratorTest, EveryRangeEndsWithBoundedTicksOnTheirPixels) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Range {
        double a, b;
        int pixels;
    };
    const Range ranges[] = {
        {0.0, 0.0005, 300},      // finer than one unit of the decimal levels
        {0.0, 20.0, 40},         // a step longer than the range (24 h)
        {0.0, 1e-12, 500},       {-1e300, 1e300, 400}, {1e17, 1e17 + 1e5, 300},
        {-5e9, 4.5e9, 500},      {359.999, 360.0, 800}, {-90.0, 90.0, 10},
        {5.0, 5.0, 300},         {6.0, 1.0, 300},      {0.0, inf, 300},
        {nan, 1.0, 300},         {0.0, 1.0, 0},        {0.0, 1.0, -5},
    };
    for (int kind = 0; kind <= 12; ++kind) {
        auto iterator = CreateAxisTickIterator(kind, 0, 1);
        ASSERT_NE(iterator, nullptr) << kind;
        for (const Range& r : ranges) {
            const AxisTickLabels labels = iterator->Compute(r.a, r.b, r.pixels, 30, 40);
            const auto& ticks = iterator->Ticks();
            EXPECT_LE(static_cast<int>(ticks.size()), std::max(0, r.pixels) + 2) << kind << " " << r.b;
            for (std::size_t i = 1; i < ticks.size(); ++i) {
                EXPECT_GT(ticks[i].value, ticks[i - 1].value);
                EXPECT_GE(ticks[i].pixel, ticks[i - 1].pixel);
            }
            for (const AxisTick& tick : ticks) {
                EXPECT_GE(tick.pixel, -r.pixels);
                EXPECT_LE(tick.pixel, r.pixels);
            }
            EXPECT_GE(labels.interval, 1);
            EXPECT_LE(labels.last, static_cast<int>(ticks.size()) - 1);
            EXPECT_EQ(labels.first < 0, labels.last < 0);
        }
    }
    EXPECT_EQ(CreateAxisTickIterator(13, 0, 1), nullptr);
}

TEST(AxisTickIteratorTest, KindOneInHoursAndLargeDecimalRanges) {
    // Right ascension shown in hours: 0..24 on the hour set.
    auto ra = CreateAxisTickIterator(1, 0, 1);
    ra->Compute(0.0, 24.0, 400, 30, 40);
    EXPECT_EQ(ra->Ticks().size(), 25u);
    EXPECT_EQ(ra->UnitValue(), 3600 * 1000);
    // Distances of billions of kilometres at the resolution of 1.
    auto distance = CreateAxisTickIterator(6, -1, 1);
    distance->SetResolution(1);
    distance->Compute(0.0, 4.5e9, 500, 30, 40);
    EXPECT_EQ(TickValues(*distance).back(), 4.5e9);
    EXPECT_EQ(distance->UnitValue(), 1);
}

}  // namespace
}  // namespace corvinata
