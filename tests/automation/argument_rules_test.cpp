// The automation members' argument rules, natively: truth, ranges with NaN,
// the client's date and time, the planet and zoom numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "automation/argument_rules.h"
#include "base/time_systems.h"

namespace corvinata::automation {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(AutomationArguments, OnlyMinusOneIsTrue) {
    const struct {
        std::int16_t value;
        bool isTrue;
    } rows[] = {{-1, true}, {1, false}, {0, false}, {2, false}, {-2, false}};
    for (const auto& row : rows) EXPECT_EQ(IsAutomationTrue(row.value), row.isTrue) << row.value;
    EXPECT_EQ(AutomationBool(true), -1);
    EXPECT_EQ(AutomationBool(false), 0);
}

TEST(AutomationArguments, RangesHoldOnlyNumbersBetweenTheirEnds) {
    const struct {
        double x, lo, hi;
        bool inside;
    } rows[] = {{-90, -90, 90, true},  {90, -90, 90, true},   {95, -90, 90, false},
                {360, 0, 360, true},   {400, 0, 360, false},  {-0.5, 0, 360, false},
                {kNaN, -90, 90, false}, {kNaN, 0, 360, false}, {kNaN, -13, 13, false}};
    for (const auto& row : rows) EXPECT_EQ(InClosedRange(row.x, row.lo, row.hi), row.inside) << row.x;
}

TEST(AutomationArguments, MagnitudeLimitIsClampedAndNaNRefused) {
    const struct {
        double requested;
        bool taken;
        double limit;
    } rows[] = {{25.0, true, 20.0}, {-1.0, true, 0.0}, {6.5, true, 6.5}, {kNaN, false, 0.0},
                {std::numeric_limits<double>::infinity(), true, 20.0}};
    for (const auto& row : rows) {
        double limit = 0.0;
        EXPECT_EQ(ClampMagnitudeLimit(row.requested, limit), row.taken) << row.requested;
        if (row.taken) {
            EXPECT_EQ(limit, row.limit);
        }
    }
}

TEST(AutomationArguments, DateAndTimeRulesOfTheClient) {
    const struct {
        int year, month, day, hour, minute;
        bool taken;
        int resultDay;
        double resultHours;
    } rows[] = {
        {1582, 12, 31, 12, 0, false, 0, 0},  {3001, 1, 1, 0, 0, false, 0, 0},
        {2023, 2, 29, 0, 0, false, 0, 0},    {2024, 2, 29, 23, 59, true, 29, 23 + 59 / 60.0},
        {2024, 2, 28, 24, 0, true, 29, 0.0}, {2024, 2, 28, 23, 60, true, 29, 0.0},
        {2024, 2, 28, 24, 1, false, 0, 0},   {2024, 2, 28, 1, -30, true, 28, 0.5},
        {2024, 2, 28, 0, -1, false, 0, 0},   {3000, 12, 31, 24, 0, false, 0, 0},
        {2024, 4, 31, 0, 0, false, 0, 0},    {2024, 13, 1, 0, 0, false, 0, 0},
    };
    for (const auto& row : rows) {
        DateTime result;
        const bool taken =
            ClientDateTimeToLocalCivil(row.year, row.month, row.day, row.hour, row.minute, true, 0.0, false, result);
        EXPECT_EQ(taken, row.taken) << row.year << "-" << row.month << "-" << row.day << " " << row.hour << ":"
                                    << row.minute;
        if (!taken) continue;
        EXPECT_EQ(result.day, row.resultDay);
        EXPECT_NEAR(result.hours, row.resultHours, 1e-9);
        EXPECT_EQ(result.timeSystem, kLocalCivilTime);
    }
}

// Every minute of a day in universal time lands on the civil minute the zone
// and daylight saving give, on the right date: conversions through sidereal
// time put some of them a day off.
TEST(AutomationArguments, EveryMinuteOfADayInUniversalTimeLandsOnItsCivilMinute) {
    const struct {
        const char* place;
        double zone;
        bool daylightSaving;
    } places[] = {{"London", 0.0, false}, {"London in summer", 0.0, true}, {"UT+5:30", 5.5, false},
                  {"UT-8", -8.0, false}};
    for (const auto& place : places) {
        for (int minute = 0; minute < 24 * 60; ++minute) {
            DateTime result;
            ASSERT_TRUE(ClientDateTimeToLocalCivil(2024, 3, 10, minute / 60, minute % 60, false, place.zone,
                                                   place.daylightSaving, result))
                << place.place << " " << minute;
            const double civil = minute + 60.0 * (place.zone + (place.daylightSaving ? 1.0 : 0.0));
            const int dayShift = static_cast<int>(std::floor(civil / 1440.0));
            const double civilMinute = civil - 1440.0 * dayShift;
            EXPECT_EQ(result.day, 10 + dayShift) << place.place << " minute " << minute;
            EXPECT_NEAR(result.hours * 60.0, civilMinute, 1e-6) << place.place << " minute " << minute;
            EXPECT_EQ(result.month, 3);
        }
    }
}

TEST(AutomationArguments, UniversalTimeThatLeavesTheValidYearsIsRefused) {
    DateTime result;
    EXPECT_FALSE(ClientDateTimeToLocalCivil(3000, 12, 31, 23, 0, false, 5.5, false, result));
    EXPECT_FALSE(ClientDateTimeToLocalCivil(1583, 1, 1, 1, 0, false, -5.0, false, result));
    EXPECT_TRUE(ClientDateTimeToLocalCivil(3000, 12, 31, 23, 0, true, 5.5, false, result));
}

TEST(AutomationArguments, MoonsAndStepsInRange) {
    EXPECT_TRUE(ValidMoonNumber(3, kJupiterMoons));
    EXPECT_FALSE(ValidMoonNumber(4, kJupiterMoons));
    EXPECT_TRUE(ValidMoonNumber(7, kSaturnMoons));
    EXPECT_FALSE(ValidMoonNumber(8, kSaturnMoons));
    EXPECT_FALSE(ValidMoonNumber(-1, kSaturnMoons));
    const struct {
        int steps, unit;
        bool valid;
    } steps[] = {{6, 2, true}, {6, 0, false}, {100, 3, false}, {0, 3, false}, {99, 5, true}, {1, 6, false}};
    for (const auto& row : steps) EXPECT_EQ(ValidAxisStep(row.steps, row.unit), row.valid);
}

TEST(AutomationArguments, EclipseZoomPercentages) {
    const struct {
        int lowest, highest, level, percent;
    } rows[] = {{1, 11, 1, 0}, {1, 11, 11, 100}, {1, 11, 6, 50}, {0, 3, 1, 33}, {0, 3, 2, 67}};
    for (const auto& row : rows) {
        EXPECT_EQ(ZoomPercentOfLevel(row.lowest, row.highest, row.level), row.percent);
        EXPECT_EQ(ZoomLevelOfPercent(row.lowest, row.highest, row.percent), row.level);
    }
}

}  // namespace
}  // namespace corvinata::automation
