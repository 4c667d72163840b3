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

void ExpectSameRecord(const DateTime& actual, const DateTime& expected) {
    EXPECT_TRUE(DateTimeEqual(actual, expected))
        << testing::PrintToString(actual) << " != " << testing::PrintToString(expected);
}

TEST(Calendar, LeapYearsFollowTheGregorianRule) {
    EXPECT_TRUE(IsLeapYear(1600));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2004));
    EXPECT_FALSE(IsLeapYear(1700));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2001));
    EXPECT_FALSE(IsLeapYear(2100));
}

TEST(Calendar, ValidDatesIncludeBothEndsOfTheRange) {
    EXPECT_TRUE(IsValidDate(MakeDateTime(1583, 1, 1)));
    EXPECT_TRUE(IsValidDate(MakeDateTime(3000, 12, 31)));
    EXPECT_TRUE(IsValidDate(MakeDateTime(2000, 2, 29)));
    EXPECT_FALSE(IsValidDate(MakeDateTime(1582, 12, 31)));
    EXPECT_FALSE(IsValidDate(MakeDateTime(3001, 1, 1)));
    EXPECT_FALSE(IsValidDate(MakeDateTime(2001, 2, 29)));
    EXPECT_FALSE(IsValidDate(MakeDateTime(2001, 4, 31)));
    EXPECT_FALSE(IsValidDate(MakeDateTime(2001, 0, 1)));
    EXPECT_FALSE(IsValidDate(MakeDateTime(2001, 13, 1)));
    EXPECT_FALSE(IsValidDate(MakeDateTime(2001, 1, 0)));
}

// Walking a whole year day by day must count the day of the year up by one
// and agree with setting the day of the year directly.
class DayOfYearWalk : public testing::TestWithParam<int> {};

TEST_P(DayOfYearWalk, AgreesWithDayByDayAddition) {
    const int year = GetParam();
    const int length = IsLeapYear(year) ? 366 : 365;
    DateTime walked = MakeDateTime(year, 1, 1, 5.5, kLocalCivilTime);
    for (int n = 1; n <= length; ++n) {
        ASSERT_EQ(DateTimeDayOfYear(walked), n) << testing::PrintToString(walked);
        DateTime set = MakeDateTime(year, 7, 7, 5.5, kLocalCivilTime);
        ASSERT_TRUE(DateTimeSetDayOfYear(set, n));
        ExpectSameRecord(set, walked);
        if (n < length) {
            ASSERT_TRUE(DateTimeAddDays(walked, 1));
        }
    }
    EXPECT_EQ(walked.month, 12);
    EXPECT_EQ(walked.day, 31);
}

INSTANTIATE_TEST_SUITE_P(Years, DayOfYearWalk, testing::Values(1583, 1900, 2000, 2001, 3000));

TEST(Calendar, SetDayOfYearRefusesDaysOutsideTheYear) {
    DateTime common = MakeDateTime(2001, 5, 5, 3.0, kUniversalTime);
    const DateTime before = common;
    EXPECT_FALSE(DateTimeSetDayOfYear(common, 366));
    EXPECT_FALSE(DateTimeSetDayOfYear(common, 0));
    EXPECT_FALSE(DateTimeSetDayOfYear(common, 367));
    ExpectSameRecord(common, before);

    DateTime leap = MakeDateTime(2000, 5, 5);
    EXPECT_TRUE(DateTimeSetDayOfYear(leap, 366));
    ExpectSameRecord(leap, MakeDateTime(2000, 12, 31));
    EXPECT_TRUE(DateTimeSetDayOfYear(leap, 60));
    ExpectSameRecord(leap, MakeDateTime(2000, 2, 29));
    EXPECT_TRUE(DateTimeSetDayOfYear(common, 60));
    ExpectSameRecord(common, MakeDateTime(2001, 3, 1, 3.0));
}

struct CalendarStepCase {
    const char* label;
    DateTime start;
    std::int32_t unit;
    std::int32_t count;
    DateTime expected;
};

void PrintTo(const CalendarStepCase& c, std::ostream* os) { *os << c.label; }

// Adds the case's step to record, a copy of its start; answers whether that worked.
bool StepFromStart(const CalendarStepCase& c, DateTime& record) {
    record = c.start;
    TimeStep step;
    TimeStepSet(step, c.unit, c.count);
    return AddDateTimeInterval(record, step);
}

class CalendarSteps : public testing::TestWithParam<CalendarStepCase> {};

TEST_P(CalendarSteps, AddIntervalGivesExpectedRecord) {
    const CalendarStepCase& c = GetParam();
    DateTime record;
    ASSERT_TRUE(StepFromStart(c, record));
    ExpectSameRecord(record, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Months, CalendarSteps,
    testing::Values(
        CalendarStepCase{"EndOfJanuaryIntoCommonFebruary", MakeDateTime(2001, 1, 31, 6.0),
                         kMonthsUnit, 1, MakeDateTime(2001, 2, 28, 6.0)},
        CalendarStepCase{"EndOfJanuaryIntoLeapFebruary", MakeDateTime(2000, 1, 31),
                         kMonthsUnit, 1, MakeDateTime(2000, 2, 29)},
        CalendarStepCase{"BackOverYearEnd", MakeDateTime(2000, 3, 15), kMonthsUnit, -3,
                         MakeDateTime(1999, 12, 15)},
        CalendarStepCase{"ZeroKeepsRecord", MakeDateTime(2000, 3, 31, 1.0, kLocalCivilTime),
                         kMonthsUnit, 0, MakeDateTime(2000, 3, 31, 1.0, kLocalCivilTime)},
        CalendarStepCase{"ThirteenFromJanuary", MakeDateTime(2000, 1, 15), kMonthsUnit, 13,
                         MakeDateTime(2001, 2, 15)},
        CalendarStepCase{"ToMonthZeroIsPreviousDecember", MakeDateTime(2000, 5, 10),
                         kMonthsUnit, -5, MakeDateTime(1999, 12, 10)},
        CalendarStepCase{"ToMonthMinusTwelve", MakeDateTime(2000, 5, 10), kMonthsUnit, -17,
                         MakeDateTime(1998, 12, 10)},
        CalendarStepCase{"TwelveIntoDecember", MakeDateTime(2000, 12, 10), kMonthsUnit, 12,
                         MakeDateTime(2001, 12, 10)}),
    [](const testing::TestParamInfo<CalendarStepCase>& info) { return info.param.label; });

INSTANTIATE_TEST_SUITE_P(
    YearsAndDays, CalendarSteps,
    testing::Values(
        CalendarStepCase{"LeapDayIntoCommonYear", MakeDateTime(2000, 2, 29), kYearsUnit, 1,
                         MakeDateTime(2001, 2, 28)},
        CalendarStepCase{"LeapDayIntoLeapYear", MakeDateTime(2000, 2, 29), kYearsUnit, 4,
                         MakeDateTime(2004, 2, 29)},
        CalendarStepCase{"YearsBack", MakeDateTime(2000, 7, 4, 9.0), kYearsUnit, -417,
                         MakeDateTime(1583, 7, 4, 9.0)},
        CalendarStepCase{"IntoLeapDay", MakeDateTime(2000, 2, 28, 12.0), kDaysUnit, 1,
                         MakeDateTime(2000, 2, 29, 12.0)},
        CalendarStepCase{"OverLeapDay", MakeDateTime(2000, 2, 28), kDaysUnit, 2,
                         MakeDateTime(2000, 3, 1)},
        CalendarStepCase{"BackIntoLeapDay", MakeDateTime(2000, 3, 1), kDaysUnit, -1,
                         MakeDateTime(2000, 2, 29)},
        CalendarStepCase{"BackOverYearEnd", MakeDateTime(2001, 1, 1), kDaysUnit, -1,
                         MakeDateTime(2000, 12, 31)},
        CalendarStepCase{"WholeLeapYear", MakeDateTime(2000, 1, 1), kDaysUnit, 366,
                         MakeDateTime(2001, 1, 1)}),
    [](const testing::TestParamInfo<CalendarStepCase>& info) { return info.param.label; });

INSTANTIATE_TEST_SUITE_P(
    Hours, CalendarSteps,
    testing::Values(
        CalendarStepCase{"HourBackIntoLeapDay", MakeDateTime(2000, 3, 1, 0.0), kHoursUnit, -1,
                         MakeDateTime(2000, 2, 29, 23.0)},
        CalendarStepCase{"DayOfHoursBack", MakeDateTime(2001, 3, 2, 0.0), kHoursUnit, -24,
                         MakeDateTime(2001, 3, 1, 0.0)},
        CalendarStepCase{"MinutesOverMidnight", MakeDateTime(2001, 3, 2, 23.0), kMinutesUnit,
                         90, MakeDateTime(2001, 3, 3, 0.5)},
        CalendarStepCase{"HourOfSeconds", MakeDateTime(2001, 3, 2, 10.0, kLocalSiderealTime),
                         kSecondsUnit, 3600, MakeDateTime(2001, 3, 2, 11.0, kLocalSiderealTime)},
        CalendarStepCase{"SecondsBackOverYearEnd", MakeDateTime(2001, 1, 1, 0.0), kSecondsUnit,
                         -1800, MakeDateTime(2000, 12, 31, 23.5)}),
    [](const testing::TestParamInfo<CalendarStepCase>& info) { return info.param.label; });

// Every refused step must leave the record exactly as it was.
class RefusedSteps : public testing::TestWithParam<CalendarStepCase> {};

TEST_P(RefusedSteps, FailAndLeaveRecordUnchanged) {
    const CalendarStepCase& c = GetParam();
    DateTime record;
    EXPECT_FALSE(StepFromStart(c, record));
    ExpectSameRecord(record, c.start);
}

INSTANTIATE_TEST_SUITE_P(
    RangeEnds, RefusedSteps,
    testing::Values(
        CalendarStepCase{"DayAfterLastValidDay", MakeDateTime(3000, 12, 31, 8.0), kDaysUnit, 1,
                         {}},
        CalendarStepCase{"DayBeforeFirstValidDay", MakeDateTime(1583, 1, 1), kDaysUnit, -1, {}},
        CalendarStepCase{"MonthAfterLastValidMonth", MakeDateTime(3000, 12, 1), kMonthsUnit, 1,
                         {}},
        CalendarStepCase{"YearBeforeFirstValidYear", MakeDateTime(1583, 6, 1), kYearsUnit, -1,
                         {}},
        CalendarStepCase{"HoursOverLastMidnight", MakeDateTime(3000, 12, 31, 23.0), kHoursUnit,
                         2, {}},
        CalendarStepCase{"SecondsBeforeFirstMidnight", MakeDateTime(1583, 1, 1, 0.0),
                         kSecondsUnit, -1, {}},
        CalendarStepCase{"HugeDayCount", MakeDateTime(2000, 1, 1), kDaysUnit, INT32_MAX, {}},
        CalendarStepCase{"HugeNegativeMonthCount", MakeDateTime(2000, 1, 1), kMonthsUnit,
                         INT32_MIN, {}},
        CalendarStepCase{"HugeYearCount", MakeDateTime(2000, 1, 1), kYearsUnit, INT32_MAX, {}},
        CalendarStepCase{"HugeHourCount", MakeDateTime(2000, 1, 1), kHoursUnit, INT32_MIN, {}},
        CalendarStepCase{"UnknownUnit", MakeDateTime(2000, 1, 1), kTimeUnitCount, 1, {}},
        CalendarStepCase{"NegativeUnit", MakeDateTime(2000, 1, 1), -1, 1, {}}),
    [](const testing::TestParamInfo<CalendarStepCase>& info) { return info.param.label; });

// The carry of whole days out of the hours must not leave a record with
// reduced hours on its old date: that would name a moment a day off.
TEST(Normalise, FailedDayCarryLeavesRecordUnchanged) {
    DateTime late = MakeDateTime(3000, 12, 31, 25.0, kUniversalTime);
    EXPECT_FALSE(NormaliseDateTime(late));
    ExpectSameRecord(late, MakeDateTime(3000, 12, 31, 25.0, kUniversalTime));

    DateTime early = MakeDateTime(1583, 1, 1, -0.5, kLocalCivilTime);
    EXPECT_FALSE(NormaliseDateTime(early));
    ExpectSameRecord(early, MakeDateTime(1583, 1, 1, -0.5, kLocalCivilTime));

    DateTime atLastHour = MakeDateTime(3000, 12, 31, 23.5);
    EXPECT_FALSE(DateTimeAddFractionalHours(atLastHour, 1.0));
    ExpectSameRecord(atLastHour, MakeDateTime(3000, 12, 31, 23.5));
}

struct NormaliseCase {
    const char* label;
    DateTime start;
    DateTime expected;
};

class NormaliseCarries : public testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseCarries, BringsHoursIntoOneDay) {
    DateTime record = GetParam().start;
    ASSERT_TRUE(NormaliseDateTime(record));
    ExpectSameRecord(record, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormaliseCarries,
    testing::Values(
        NormaliseCase{"MinusOneDay", MakeDateTime(2001, 3, 1, -24.0),
                      MakeDateTime(2001, 2, 28, 0.0)},
        NormaliseCase{"HalfHourBack", MakeDateTime(2001, 3, 1, -0.5),
                      MakeDateTime(2001, 2, 28, 23.5)},
        NormaliseCase{"TwoDaysAhead", MakeDateTime(2001, 2, 27, 48.25),
                      MakeDateTime(2001, 3, 1, 0.25)},
        NormaliseCase{"ExactlyOneDay", MakeDateTime(2001, 12, 31, 24.0),
                      MakeDateTime(2002, 1, 1, 0.0)},
        NormaliseCase{"AlreadyInRange", MakeDateTime(2001, 12, 31, 23.75),
                      MakeDateTime(2001, 12, 31, 23.75)},
        NormaliseCase{"TinyNegativeHoursDoNotNormaliseTo24", MakeDateTime(2001, 3, 1, -1e-17),
                      MakeDateTime(2001, 3, 1, 0.0)}),
    [](const testing::TestParamInfo<NormaliseCase>& info) { return info.param.label; });

TEST(Normalise, HoursThatAreNoNumberAreLeftAlone) {
    DateTime record = MakeDateTime(2001, 3, 1, std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(NormaliseDateTime(record));
    EXPECT_TRUE(std::isnan(record.hours));
    EXPECT_EQ(record.day, 1);
}

TEST(Normalise, InfiniteHoursAreRefused) {
    DateTime record = MakeDateTime(2001, 3, 1, std::numeric_limits<double>::infinity());
    EXPECT_FALSE(NormaliseDateTime(record));
    EXPECT_EQ(record.day, 1);
    DateTime valid = MakeDateTime(2001, 3, 1, 12.0);
    EXPECT_FALSE(DateTimeAddFractionalHours(valid, -std::numeric_limits<double>::infinity()));
    ExpectSameRecord(valid, MakeDateTime(2001, 3, 1, 12.0));
}

// Adding days must agree with the Julian day count for long walks in both
// directions, across leap days and century years.
TEST(Calendar, AddDaysAgreesWithJulianDayDifference) {
    const DateTime start = MakeDateTime(1583, 1, 1, 6.0);
    for (std::int32_t n = 0; n < 510000; n += 9973) {
        DateTime forward = start;
        ASSERT_TRUE(DateTimeAddDays(forward, n));
        ASSERT_TRUE(IsValidDate(forward));
        EXPECT_DOUBLE_EQ(DateTimeDifferenceDays(forward, start), n);
        DateTime back = forward;
        ASSERT_TRUE(DateTimeAddDays(back, -n));
        ExpectSameRecord(back, start);
    }
}

TEST(Ordering, EarlierComparesTheCalendarMoment) {
    EXPECT_TRUE(DateTimeIsEarlier(MakeDateTime(2000, 1, 1, 10.0), MakeDateTime(2000, 1, 1, 10.5)));
    EXPECT_TRUE(DateTimeIsEarlier(MakeDateTime(1999, 12, 31, 23.9), MakeDateTime(2000, 1, 1, 0.0)));
    EXPECT_TRUE(DateTimeIsEarlier(MakeDateTime(2000, 1, 31), MakeDateTime(2000, 2, 1)));
    EXPECT_FALSE(DateTimeIsEarlier(MakeDateTime(2000, 2, 1), MakeDateTime(2000, 1, 31)));
    EXPECT_TRUE(DateTimeIsLater(MakeDateTime(2000, 2, 1), MakeDateTime(2000, 1, 31)));
}

TEST(Ordering, EqualRecordsAreNotLaterButOtherSystemsAre) {
    const DateTime a = MakeDateTime(2000, 1, 1, 10.0, kUniversalTime);
    const DateTime b = MakeDateTime(2000, 1, 1, 10.0, kLocalCivilTime);
    EXPECT_FALSE(DateTimeIsLater(a, a));
    EXPECT_TRUE(DateTimeEqual(a, a));
    EXPECT_FALSE(DateTimeDiffers(a, a));
    EXPECT_TRUE(DateTimeIsLater(a, b));
    EXPECT_TRUE(DateTimeIsLater(b, a));
    EXPECT_TRUE(DateTimeDiffers(a, b));
    EXPECT_FALSE(DateTimeIsEarlier(a, b));
}

TEST(DatePicker, DayStepsWrapWithinTheMonth) {
    DateTime record = MakeDateTime(2000, 2, 29, 4.0);
    DateStepDay(record, true);
    ExpectSameRecord(record, MakeDateTime(2000, 2, 1, 4.0));
    DateStepDay(record, false);
    ExpectSameRecord(record, MakeDateTime(2000, 2, 29, 4.0));
    DateStepDay(record, false);
    ExpectSameRecord(record, MakeDateTime(2000, 2, 28, 4.0));
}

TEST(DatePicker, MonthStepsWrapWithinTheYearAndClampTheDay) {
    DateTime record = MakeDateTime(2001, 1, 31);
    DateStepMonth(record, true);
    ExpectSameRecord(record, MakeDateTime(2001, 2, 28));
    record = MakeDateTime(2001, 12, 31);
    DateStepMonth(record, true);
    ExpectSameRecord(record, MakeDateTime(2001, 1, 31));
    DateStepMonth(record, false);
    ExpectSameRecord(record, MakeDateTime(2001, 12, 31));
    record = MakeDateTime(2001, 3, 31);
    DateStepMonth(record, false);
    ExpectSameRecord(record, MakeDateTime(2001, 2, 28));
}

TEST(Now, ReadsTheLocalClockAsLocalCivilTime) {
    FixedClockApplication application;
    DateTime record;
    ASSERT_TRUE(DateTimeSetToNow(record));
    EXPECT_EQ(record.year, 2024);
    EXPECT_EQ(record.month, 5);
    EXPECT_EQ(record.day, 6);
    EXPECT_NEAR(record.hours, 7.0 + 8.0 / 60.0 + 9.0 / 3600.0, 1e-12);
    EXPECT_EQ(record.timeSystem, kLocalCivilTime);
}

TEST(Now, HourTwentyFourIsTheNextDay) {
    FixedClock::Setting setting;
    setting.year = 2000;
    setting.month = 12;
    setting.day = 31;
    setting.hour = 24;
    setting.minute = 0;
    setting.second = 0;
    FixedClockApplication application(setting);
    DateTime record;
    ASSERT_TRUE(DateTimeSetToNow(record));
    ExpectSameRecord(record, MakeDateTime(2001, 1, 1, 0.0, kLocalCivilTime));
}

TEST(Now, BrokenClockFailsAndKeepsTheRecord) {
    FixedClock::Setting setting;
    setting.clockWorks = false;
    FixedClockApplication application(setting);
    DateTime record = MakeDateTime(2001, 3, 4, 5.0, kUniversalTime);
    EXPECT_FALSE(DateTimeSetToNow(record));
    ExpectSameRecord(record, MakeDateTime(2001, 3, 4, 5.0, kUniversalTime));
}

}  // namespace
}  // namespace corvinata
