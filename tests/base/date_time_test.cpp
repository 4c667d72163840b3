#include "base/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "base/date_time_testing.h"
#include "base/time_step.h"
#include "base/time_systems.h"

namespace corvinata {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

DateTime D(int year, int month, int day, double hours = 0.0,
           std::int32_t system = kUniversalTime) {
    return MakeDateTime(year, month, day, hours, system);
}

void ExpectSameRecord(const DateTime& actual, const DateTime& expected) {
    EXPECT_TRUE(DateTimeEqual(actual, expected))
        << testing::PrintToString(actual) << " != " << testing::PrintToString(expected);
}

TEST(Calendar, GregorianLeapYearsAndTheValidRange) {
    for (const int year : {2000, 2004}) EXPECT_TRUE(IsLeapYear(year)) << year;
    for (const int year : {1900, 2001}) EXPECT_FALSE(IsLeapYear(year)) << year;
    for (const DateTime& valid : {D(1583, 1, 1), D(3000, 12, 31), D(2000, 2, 29)}) {
        EXPECT_TRUE(IsValidDate(valid)) << testing::PrintToString(valid);
    }
    for (const DateTime& invalid : {D(1582, 12, 31), D(3001, 1, 1), D(2001, 2, 29),
                                    D(2001, 4, 31), D(2001, 0, 1), D(2001, 13, 1), D(2001, 1, 0)}) {
        EXPECT_FALSE(IsValidDate(invalid)) << testing::PrintToString(invalid);
    }
}

// Walking a whole year day by day must count the day of the year up by one
// and agree with setting the day of the year directly.
TEST(Calendar, DayOfYearAgreesWithDayByDayAddition) {
    for (const int year : {1900, 2000}) {
        const int length = IsLeapYear(year) ? 366 : 365;
        DateTime walked = D(year, 1, 1, 5.5, kLocalCivilTime);
        for (int n = 1; n <= length; ++n) {
            ASSERT_EQ(DateTimeDayOfYear(walked), n) << testing::PrintToString(walked);
            DateTime set = D(year, 7, 7, 5.5, kLocalCivilTime);
            ASSERT_TRUE(DateTimeSetDayOfYear(set, n));
            ExpectSameRecord(set, walked);
            if (n < length) {
                ASSERT_TRUE(DateTimeAddDays(walked, 1));
            }
        }
        ExpectSameRecord(walked, D(year, 12, 31, 5.5, kLocalCivilTime));
    }
    DateTime common = D(2001, 5, 5, 3.0);
    for (const int n : {0, 366}) EXPECT_FALSE(DateTimeSetDayOfYear(common, n)) << n;
    ExpectSameRecord(common, D(2001, 5, 5, 3.0));
}

struct StepCase {
    DateTime start;
    std::int32_t unit;
    std::int32_t count;
    DateTime expected;
};

// Adds the case's step to a copy of its start; answers whether that worked.
bool Step(const StepCase& c, DateTime& record) {
    record = c.start;
    TimeStep step;
    TimeStepSet(step, c.unit, c.count);
    return AddDateTimeInterval(record, step);
}

TEST(CalendarSteps, AddIntervalClampsAndCarries) {
    const StepCase cases[] = {
        {D(2001, 1, 31, 6.0), kMonthsUnit, 1, D(2001, 2, 28, 6.0)},
        {D(2000, 1, 31), kMonthsUnit, 1, D(2000, 2, 29)},
        {D(2000, 3, 15), kMonthsUnit, -3, D(1999, 12, 15)},
        {D(2000, 1, 15), kMonthsUnit, 13, D(2001, 2, 15)},
        {D(2000, 5, 10), kMonthsUnit, -17, D(1998, 12, 10)},
        {D(2000, 12, 10), kMonthsUnit, 12, D(2001, 12, 10)},
        // Only the month reached clamps the day, not February of the year reached.
        {D(2000, 2, 29), kMonthsUnit, 13, D(2001, 3, 29)},
        {D(2000, 2, 29), kMonthsUnit, -23, D(1998, 3, 29)},
        {D(2000, 2, 29), kYearsUnit, 1, D(2001, 2, 28)},
        {D(2000, 7, 4, 9.0), kYearsUnit, -417, D(1583, 7, 4, 9.0)},
        {D(2000, 3, 1), kDaysUnit, -1, D(2000, 2, 29)},
        {D(2001, 1, 1), kDaysUnit, -1, D(2000, 12, 31)},
        {D(2000, 3, 1, 0.0), kHoursUnit, -1, D(2000, 2, 29, 23.0)},
        {D(2001, 3, 2, 23.0), kMinutesUnit, 90, D(2001, 3, 3, 0.5)},
        {D(2001, 3, 2, 10.0, kLocalSiderealTime), kSecondsUnit, 3600, D(2001, 3, 2, 11.0, kLocalSiderealTime)},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(testing::Message() << testing::PrintToString(c.start) << " + " << c.count
                                        << " of unit " << c.unit);
        DateTime record;
        ASSERT_TRUE(Step(c, record));
        ExpectSameRecord(record, c.expected);
    }
}

TEST(CalendarSteps, RefusedStepsLeaveTheRecordUnchanged) {
    const StepCase cases[] = {
        {D(3000, 12, 31, 8.0), kDaysUnit, 1, {}}, {D(1583, 1, 1), kDaysUnit, -1, {}},
        {D(3000, 12, 1), kMonthsUnit, 1, {}}, {D(1583, 6, 1), kYearsUnit, -1, {}},
        {D(1583, 1, 1, 0.0), kSecondsUnit, -1, {}}, {D(2000, 1, 1), kDaysUnit, INT32_MAX, {}},
        {D(2000, 1, 1), kMonthsUnit, INT32_MIN, {}}, {D(2000, 1, 1), kYearsUnit, INT32_MAX, {}},
        {D(2000, 1, 1), kTimeUnitCount, 1, {}}, {D(2000, 1, 1), -1, 1, {}},
    };
    for (const StepCase& c : cases) {
        DateTime record;
        EXPECT_FALSE(Step(c, record)) << c.count << " of unit " << c.unit;
        ExpectSameRecord(record, c.start);
    }
}

TEST(Normalise, BringsHoursIntoOneDay) {
    const DateTime cases[][2] = {
        {D(2001, 3, 1, -24.0), D(2001, 2, 28, 0.0)}, {D(2001, 2, 27, 48.25), D(2001, 3, 1, 0.25)},
        {D(2001, 12, 31, 24.0), D(2002, 1, 1, 0.0)},
        // Regression: tiny negative hours reduced to exactly 24 h.
        {D(2001, 3, 1, -1e-17), D(2001, 3, 1, 0.0)},
    };
    for (const auto& c : cases) {
        DateTime record = c[0];
        ASSERT_TRUE(NormaliseDateTime(record));
        ExpectSameRecord(record, c[1]);
    }
}

// The carry of whole days out of the hours must not leave a record with
// reduced hours on its old date: that would name a moment a day off.
TEST(Normalise, FailedDayCarryLeavesRecordUnchanged) {
    for (const DateTime& start : {D(3000, 12, 31, 25.0, kUniversalTime),
                                  D(1583, 1, 1, -0.5, kLocalCivilTime),
                                  D(2001, 3, 1, kInfinity)}) {
        DateTime record = start;
        EXPECT_FALSE(NormaliseDateTime(record));
        ExpectSameRecord(record, start);
    }
}

TEST(Normalise, HoursThatAreNoNumberAreLeftAlone) {
    DateTime record = D(2001, 3, 1, std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(NormaliseDateTime(record));
    EXPECT_TRUE(std::isnan(record.hours));
    EXPECT_EQ(record.day, 1);
}

// Adding days must agree with the Julian day count for long walks in both
// directions, across leap days and century years.
TEST(Calendar, AddDaysAgreesWithJulianDayDifference) {
    const DateTime start = D(1583, 1, 1, 6.0);
    for (std::int32_t n = 0; n < 510000; n += 9973) {
        DateTime forward = start;
        ASSERT_TRUE(DateTimeAddDays(forward, n));
        ASSERT_TRUE(IsValidDate(forward));
        EXPECT_DOUBLE_EQ(DateTimeDifferenceDays(forward, start), n);
        ASSERT_TRUE(DateTimeAddDays(forward, -n));
        ExpectSameRecord(forward, start);
    }
}

TEST(Ordering, CalendarMomentFirstAndOtherSystemsLaterBothWays) {
    EXPECT_TRUE(DateTimeIsEarlier(D(1999, 12, 31, 23.9), D(2000, 1, 1)));
    EXPECT_FALSE(DateTimeIsEarlier(D(2000, 2, 1), D(2000, 1, 31)));
    EXPECT_TRUE(DateTimeIsLater(D(2000, 2, 1), D(2000, 1, 31)));

    const DateTime a = D(2000, 1, 1, 10.0, kUniversalTime);
    const DateTime b = D(2000, 1, 1, 10.0, kLocalCivilTime);
    EXPECT_FALSE(DateTimeIsLater(a, a) || DateTimeDiffers(a, a));
    EXPECT_TRUE(DateTimeIsLater(a, b) && DateTimeIsLater(b, a) && DateTimeDiffers(a, b));
    EXPECT_FALSE(DateTimeIsEarlier(a, b));
}

TEST(DatePicker, StepsWrapWithinMonthOrYearAndClampTheDay) {
    const struct {
        DateTime start;
        bool month, up;
        DateTime expected;
    } cases[] = {
        {D(2000, 2, 29, 4.0), false, true, D(2000, 2, 1, 4.0)},
        {D(2000, 2, 1, 4.0), false, false, D(2000, 2, 29, 4.0)},
        {D(2001, 1, 31), true, true, D(2001, 2, 28)},
        {D(2001, 12, 31), true, true, D(2001, 1, 31)},
        {D(2001, 1, 31), true, false, D(2001, 12, 31)},
    };
    for (const auto& c : cases) {
        DateTime record = c.start;
        (c.month ? DateStepMonth : DateStepDay)(record, c.up);
        ExpectSameRecord(record, c.expected);
    }
}

// The clock reads local civil time; its hour 24 is the next day; a broken
// clock fails and keeps the record.
TEST(Now, ReadsTheLocalClock) {
    const struct { ClockSetting clock; bool works; DateTime expected; } cases[] = {
        {{}, true, D(2024, 5, 6, 7.0 + 8.0 / 60.0 + 9.0 / 3600.0, kLocalCivilTime)},
        {{{2000, 12, 31, 24, 0, 0}}, true, D(2001, 1, 1, 0.0, kLocalCivilTime)},
        {{{2024, 5, 6, 7, 8, 9}, false}, false, D(2001, 3, 4, 5.0)},
    };
    for (const auto& c : cases) {
        FixedClockApplication application(c.clock);
        DateTime record = D(2001, 3, 4, 5.0);
        EXPECT_EQ(DateTimeSetToNow(record), c.works);
        ExpectSameRecord(record, c.expected);
    }
}

}  // namespace
}  // namespace corvinata
