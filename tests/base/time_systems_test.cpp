#include "base/time_systems.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "base/angle_value.h"
#include "base/date_time_testing.h"
#include "base/geo_place.h"
#include "base/wide_string.h"

namespace corvinata {
namespace {

// Tolerances: Julian days are exact in binary for the whole and half days
// tested; hours are compared to a few milliseconds unless a case needs less.
constexpr double kJulianDayTolerance = 1e-9;
constexpr double kHoursTolerance = 1e-6;

TEST(TimeSystemNames, ExactLookupByCodeAndInvalidOutsideTheTable) {
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(FindTimeSystemByCode(GetTimeSystemCode(i)), i);
    EXPECT_EQ(Utf8(GetTimeSystemName(kGreenwichSiderealTime)), "Greenwich sidereal time");
    EXPECT_EQ(Utf8(GetTimeSystemCode(kLocalSiderealTime)), "LST");
    for (const Char* text : {TXT("lst"), TXT("Universal time"), TXT("UT "), TXT("")}) {
        EXPECT_EQ(FindTimeSystemByCode(text), 5) << Utf8(text);
    }
    EXPECT_EQ(Utf8(GetTimeSystemCode(-1)), "Invalid");
    EXPECT_EQ(Utf8(GetTimeSystemName(17)), "Invalid");
}

// Published values: Meeus, Astronomical Algorithms, ch. 7.
TEST(JulianDays, PublishedDatesGiveTheirJulianDays) {
    const struct {
        DateTime date;
        double julianDay;
    } cases[] = {
        {MakeDateTime(2000, 1, 1, 12.0), 2451545.0}, {MakeDateTime(1583, 1, 1, 0.0), 2299238.5},
        {MakeDateTime(1957, 10, 4, 0.81 * 24.0), 2436116.31},
        {MakeDateTime(1987, 1, 27, 0.0), 2446822.5}, {MakeDateTime(1987, 6, 19, 12.0), 2446966.0},
        {MakeDateTime(1988, 1, 27, 0.0), 2447187.5}, {MakeDateTime(1988, 6, 19, 12.0), 2447332.0},
        {MakeDateTime(1600, 1, 1, 0.0), 2305447.5}, {MakeDateTime(1600, 12, 31, 0.0), 2305812.5},
        {MakeDateTime(1900, 1, 1, 0.0), 2415020.5},
        {MakeDateTime(3000, 12, 31, 24.0), 2817152.5},  // hours not normalised
        {MakeDateTime(2000, 1, 1, 12.0, kLocalSiderealTime), 2451545.0},  // system ignored
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(DateTimeToJulianDay(c.date), c.julianDay, kJulianDayTolerance)
            << testing::PrintToString(c.date);
    }
}

TEST(JulianDays, CalendarDateOfJulianDayHonoursTheGregorianReform) {
    const std::pair<double, DateTime> cases[] = {
        {2436116.31, MakeDateTime(1957, 10, 4, 0.81 * 24.0)},
        {2299160.5, MakeDateTime(1582, 10, 15)},
        {2299159.5, MakeDateTime(1582, 10, 4)},
    };
    for (const auto& [julianDay, expected] : cases) {
        const DateTime date = JulianDayToDateTime(julianDay);
        EXPECT_TRUE(date.year == expected.year && date.month == expected.month &&
                    date.day == expected.day && date.timeSystem == kUniversalTime)
            << julianDay << " gave " << testing::PrintToString(date);
        EXPECT_NEAR(date.hours, expected.hours, kHoursTolerance) << julianDay;
    }
}

// Every few days over the whole valid range, at varying times of day, the
// two conversions must undo each other.
TEST(JulianDays, RoundTripOverTheValidYears) {
    DateTime date = MakeDateTime(1583, 1, 1, 0.0);
    int step = 0;
    do {
        date.hours = (step % 97) * 0.2473;
        const double julianDay = DateTimeToJulianDay(date);
        const DateTime back = JulianDayToDateTime(julianDay);
        ASSERT_TRUE(back.year == date.year && back.month == date.month && back.day == date.day)
            << testing::PrintToString(date) << " came back as " << testing::PrintToString(back);
        ASSERT_NEAR(back.hours, date.hours, kHoursTolerance) << testing::PrintToString(date);
        ASSERT_NEAR(DateTimeToJulianDay(back), julianDay, kJulianDayTolerance);
        ++step;
    } while (DateTimeAddDays(date, 3));
    EXPECT_GT(step, 170000);
}

TEST(JulianDays, NumbersBeyondAnyCalendarGiveRecordWithoutTime) {
    for (const double julianDay : {std::nan(""), 1e300, -HUGE_VAL}) {
        EXPECT_EQ(JulianDayToDateTime(julianDay).hours, kNoTimeHours) << julianDay;
    }
}

TEST(JulianDays, DifferenceIgnoresTheSystemAndReportTextHasThreeDecimals) {
    EXPECT_DOUBLE_EQ(DateTimeDifferenceDays(MakeDateTime(2000, 1, 1, 6.0, kUniversalTime),
                                            MakeDateTime(2000, 1, 1, 18.0, kLocalCivilTime)),
                     -0.5);
    for (const auto& [julianDay, text] :
         {std::pair{2451545.0, "2451545.000"}, {2436116.3104, "2436116.310"}}) {
        String out(TXT("old"));
        FormatNumber(julianDay, out);
        EXPECT_EQ(Utf8(out), text);
    }
}

// Duffett-Smith, Practical Astronomy with your Calculator, worked example.
TEST(SiderealTime, WorkedExampleOf1980) {
    DateTime record = MakeDateTime(1980, 4, 22, 14.614353, kUniversalTime);
    EXPECT_NEAR(SiderealTimeYearConstant(record), 17.411473, 5e-7);
    ConvertToSiderealTime(record);
    EXPECT_EQ(record.timeSystem, kGreenwichSiderealTime);
    EXPECT_NEAR(record.hours, 4.66810, 5e-6);
    ConvertFromSiderealTime(record);
    EXPECT_EQ(record.timeSystem, kUniversalTime);
    EXPECT_NEAR(record.hours, 14.61436, 5e-6);
    EXPECT_EQ(record.day, 22);
}

// Greenwich mean sidereal time after the IAU 1982 expression (Meeus, ch. 12,
// eq. 12.4), in hours.
double ReferenceSiderealHours(double julianDay) {
    const double d = julianDay - 2451545.0;
    const double t = d / 36525.0;
    double degrees = 280.46061837 + 360.98564736629 * d + 0.000387933 * t * t -
                     t * t * t / 38710000.0;
    degrees = std::fmod(degrees, 360.0);
    if (degrees < 0.0) degrees += 360.0;
    return degrees / 15.0;
}

// The yearly constant and the linear rates stay within about a second of time
// of the IAU expression over all the program's years.
TEST(SiderealTime, AgreesWithIauExpressionOverTheValidYears) {
    constexpr double kSiderealToleranceSeconds = 1.5;
    // Over the years, every month and times of day spread over the whole day.
    for (int year = kFirstValidYear; year <= kLastValidYear; year += 3) {
        const int month = 1 + year % 12;
        const double hours = 0.25 + (year * 7) % 24;
        DateTime record = MakeDateTime(year, month, 28 - month, hours, kUniversalTime);
        const double expected = ReferenceSiderealHours(DateTimeToJulianDay(record));
        ConvertToSiderealTime(record);
        const double error = std::remainder(record.hours - expected, 24.0);
        ASSERT_LT(std::fabs(error) * 3600.0, kSiderealToleranceSeconds)
            << year << "-" << month << " " << hours << " h";
        ASSERT_TRUE(record.hours >= 0.0 && record.hours < 24.0) << record.hours;
    }
}

// Converts record to system at the west-positive longitude and zone given.
DateTime Converted(DateTime record, std::int32_t system, double west, double zone, bool dst) {
    ConvertTimeSystemAt(record, system, west, zone, dst);
    return record;
}

TEST(ConvertTimeSystem, CivilStepsMoveTheDateSiderealStepsDoNot) {
    const struct {
        DateTime from;
        std::int32_t to;
        double west, zone;
        bool dst;
        DateTime expected;
    } cases[] = {
        // Local civil time with daylight saving, back over the month end.
        {MakeDateTime(2001, 3, 1, 0.5, kLocalCivilTime), kUniversalTime, 0.0, 1.0, true,
         MakeDateTime(2001, 2, 28, 22.5, kUniversalTime)},
        // Local sidereal time follows the longitude, west positive.
        {MakeDateTime(2001, 3, 1, 1.0, kGreenwichSiderealTime), kLocalSiderealTime, 30.0, 0.0,
         false, MakeDateTime(2001, 3, 1, 23.0, kLocalSiderealTime)},
        // An invalid system counts as local civil time, as source and as target.
        {MakeDateTime(2001, 3, 1, 12.0, kInvalidTimeSystem), kUniversalTime, 0.0, 5.5, false,
         MakeDateTime(2001, 3, 1, 6.5, kUniversalTime)},
        {MakeDateTime(2001, 3, 1, 6.5, kUniversalTime), kInvalidTimeSystem, 0.0, 5.5, false,
         MakeDateTime(2001, 3, 1, 12.0, kLocalCivilTime)},
        // A record without a time takes only the system.
        {MakeDateTime(2001, 3, 1, kNoTimeHours, kLocalCivilTime), kLocalSiderealTime, 45.0, 3.0,
         true, MakeDateTime(2001, 3, 1, kNoTimeHours, kLocalSiderealTime)},
    };
    for (const auto& c : cases) {
        const DateTime record = Converted(c.from, c.to, c.west, c.zone, c.dst);
        EXPECT_TRUE(record.month == c.expected.month && record.day == c.expected.day &&
                    record.timeSystem == c.expected.timeSystem)
            << testing::PrintToString(record);
        EXPECT_NEAR(record.hours, c.expected.hours, kHoursTolerance)
            << testing::PrintToString(record);
    }

    const DateTime late = MakeDateTime(2001, 12, 31, 23.9, kUniversalTime);
    const DateTime local = Converted(late, kLocalSiderealTime, -150.0, 0.0, false);
    EXPECT_TRUE(local.day == 31 && local.hours >= 0.0 && local.hours < 24.0)
        << testing::PrintToString(local);
    const DateTime back = Converted(local, kUniversalTime, -150.0, 0.0, false);
    EXPECT_TRUE(back.day == 31 && back.month == 12) << testing::PrintToString(back);
}

// A place 30 degrees east must have the same local sidereal time whichever
// orientation the user reads its longitude in.
TEST(ConvertTimeSystem, SiderealTimeIsTheSameInBothLongitudeOrientations) {
    for (const std::int32_t orientation : {kWestPositive, kEastPositive}) {
        SCOPED_TRACE(orientation);
        const double typedEast = orientation == kEastPositive ? 30.0 : -30.0;
        LongitudeValue east(0.0, orientation);
        east.SetTypedDegrees(typedEast);
        const TimeZoneValue zone{2.0};

        DateTime record = MakeDateTime(2001, 3, 1, 1.0, kGreenwichSiderealTime);
        ConvertTimeSystem(record, kLocalSiderealTime, east, zone, false);
        EXPECT_NEAR(record.hours, 3.0, kHoursTolerance);

        // The whole chain from local civil time: 12:00 at UT+2 is 10:00 UT.
        DateTime civil = MakeDateTime(1980, 4, 22, 12.0, kLocalCivilTime);
        DateTime expected = MakeDateTime(1980, 4, 22, 10.0, kUniversalTime);
        ConvertToSiderealTime(expected);
        ConvertTimeSystem(civil, kLocalSiderealTime, east, zone, false);
        EXPECT_NEAR(civil.hours, std::fmod(expected.hours + 2.0, 24.0), kHoursTolerance);
        ConvertTimeSystem(civil, kLocalCivilTime, east, zone, false);
        EXPECT_NEAR(civil.hours, 12.0, 2e-4);
    }
}

// A civil step that would leave the valid years stops at the first or last
// valid instant: a record with hours outside one day would be shown as a
// negative time ("00:-30") or past midnight of a day the calendar lacks.
TEST(ConvertTimeSystem, CivilStepOutOfTheValidYearsStopsAtTheirEnds) {
    const struct {
        DateTime from;
        std::int32_t to;
        double zone;
        DateTime expected;
    } cases[] = {
        {MakeDateTime(1583, 1, 1, 0.5, kLocalCivilTime), kUniversalTime, 1.0,
         MakeDateTime(1583, 1, 1, 0.0, kUniversalTime)},
        {MakeDateTime(3000, 12, 31, 23.5, kUniversalTime), kLocalCivilTime, 2.0,
         MakeDateTime(3000, 12, 31, 23.0 + 59.0 / 60.0 + 59.0 / 3600.0, kLocalCivilTime)},
    };
    for (const auto& c : cases) {
        DateTime record = c.from;
        EXPECT_FALSE(ConvertTimeSystemAt(record, c.to, 0.0, c.zone, false));
        EXPECT_TRUE(DateTimeEqual(record, c.expected)) << testing::PrintToString(record);
    }
}

}  // namespace
}  // namespace corvinata
