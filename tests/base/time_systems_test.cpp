#include "base/time_systems.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(TimeSystemNames, RowsInChainOrderAndExactLookupByCode) {
    EXPECT_EQ(TimeScaleNames().count, 4);
    const char* const names[] = {"Universal time", "Greenwich sidereal time", "Local civil time",
                                 "Local sidereal time", "Invalid"};
    const char* const codes[] = {"UT", "GST", "LCT", "LST", "Invalid"};
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(Utf8(GetTimeSystemName(i)), names[i]);
        EXPECT_EQ(Utf8(GetTimeSystemCode(i)), codes[i]);
        EXPECT_EQ(FindTimeSystemByCode(GetTimeSystemCode(i)), i);
    }
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
        {MakeDateTime(2000, 1, 1, 12.0), 2451545.0},
        {MakeDateTime(1583, 1, 1, 0.0), 2299238.5},
        {MakeDateTime(3000, 12, 31, 24.0), 2817152.5},  // hours not normalised
        {MakeDateTime(1957, 10, 4, 0.81 * 24.0), 2436116.31},
        {MakeDateTime(1987, 1, 27, 0.0), 2446822.5},
        {MakeDateTime(1987, 6, 19, 12.0), 2446966.0},
        {MakeDateTime(1988, 1, 27, 0.0), 2447187.5},
        {MakeDateTime(1988, 6, 19, 12.0), 2447332.0},
        {MakeDateTime(1600, 1, 1, 0.0), 2305447.5},
        {MakeDateTime(1600, 12, 31, 0.0), 2305812.5},
        {MakeDateTime(1900, 1, 1, 0.0), 2415020.5},
        {MakeDateTime(2000, 1, 1, 12.0, kLocalSiderealTime), 2451545.0},  // system ignored
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(DateTimeToJulianDay(c.date), c.julianDay, kJulianDayTolerance)
            << testing::PrintToString(c.date);
    }
}

TEST(JulianDays, CalendarDateOfJulianDayHonoursTheGregorianReform) {
    const struct {
        double julianDay;
        int year, month, day;
        double hours;
    } cases[] = {
        {2451545.0, 2000, 1, 1, 12.0},
        {2436116.31, 1957, 10, 4, 0.81 * 24.0},
        {2299160.5, 1582, 10, 15, 0.0},
        {2299159.5, 1582, 10, 4, 0.0},
    };
    for (const auto& c : cases) {
        const DateTime date = JulianDayToDateTime(c.julianDay);
        EXPECT_TRUE(date.year == c.year && date.month == c.month && date.day == c.day)
            << c.julianDay << " gave " << testing::PrintToString(date);
        EXPECT_NEAR(date.hours, c.hours, kHoursTolerance) << c.julianDay;
        EXPECT_EQ(date.timeSystem, kUniversalTime);
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

TEST(JulianDays, DifferenceInDaysAndReportText) {
    EXPECT_DOUBLE_EQ(DateTimeDifferenceDays(MakeDateTime(2000, 3, 1), MakeDateTime(2000, 2, 28)),
                     2.0);
    EXPECT_DOUBLE_EQ(DateTimeDifferenceDays(MakeDateTime(2000, 1, 1, 6.0, kUniversalTime),
                                            MakeDateTime(2000, 1, 1, 18.0, kLocalCivilTime)),
                     -0.5);
    String out(TXT("old"));
    FormatNumber(2451545.0, out);
    EXPECT_EQ(Utf8(out), "2451545.000");
    FormatNumber(2436116.3104, out);
    EXPECT_EQ(Utf8(out), "2436116.310");
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
    for (int year = kFirstValidYear; year <= kLastValidYear; year += 7) {
        for (int month = 1; month <= 12; month += 5) {
            for (double hours = 0.25; hours < 24.0; hours += 5.5) {
                DateTime record = MakeDateTime(year, month, 28 - month, hours, kUniversalTime);
                const double expected = ReferenceSiderealHours(DateTimeToJulianDay(record));
                ConvertToSiderealTime(record);
                const double error = std::remainder(record.hours - expected, 24.0);
                ASSERT_LT(std::fabs(error) * 3600.0, kSiderealToleranceSeconds)
                    << year << "-" << month << " " << hours << " h";
                ASSERT_GE(record.hours, 0.0);
                ASSERT_LT(record.hours, 24.0);
            }
        }
    }
}

// Converts record to system at the west-positive longitude and zone given.
DateTime Converted(DateTime record, std::int32_t system, double west, double zone, bool dst) {
    ConvertTimeSystemAt(record, system, west, zone, dst);
    return record;
}

void ExpectRecord(const DateTime& record, int day, double hours, std::int32_t system) {
    EXPECT_EQ(record.day, day) << testing::PrintToString(record);
    EXPECT_NEAR(record.hours, hours, kHoursTolerance) << testing::PrintToString(record);
    EXPECT_EQ(record.timeSystem, system);
}

TEST(ConvertTimeSystem, CivilStepsMoveTheDateSiderealStepsDoNot) {
    // Local civil time with daylight saving, back over the month end and forth.
    const DateTime civil = MakeDateTime(2001, 3, 1, 0.5, kLocalCivilTime);
    const DateTime universal = Converted(civil, kUniversalTime, 0.0, 1.0, true);
    EXPECT_EQ(universal.month, 2);
    ExpectRecord(universal, 28, 22.5, kUniversalTime);
    ExpectRecord(Converted(universal, kLocalCivilTime, 0.0, 1.0, true), 1, 0.5, kLocalCivilTime);

    // Local sidereal time follows the longitude, west positive.
    const DateTime greenwich = MakeDateTime(2001, 3, 1, 1.0, kGreenwichSiderealTime);
    const DateTime west = Converted(greenwich, kLocalSiderealTime, 30.0, 0.0, false);
    ExpectRecord(west, 1, 23.0, kLocalSiderealTime);
    ExpectRecord(Converted(greenwich, kLocalSiderealTime, -30.0, 0.0, false), 1, 3.0,
                 kLocalSiderealTime);
    ExpectRecord(Converted(west, kGreenwichSiderealTime, 30.0, 0.0, false), 1, 1.0,
                 kGreenwichSiderealTime);

    const DateTime late = MakeDateTime(2001, 12, 31, 23.9, kUniversalTime);
    const DateTime local = Converted(late, kLocalSiderealTime, -150.0, 0.0, false);
    EXPECT_EQ(local.day, 31);
    EXPECT_GE(local.hours, 0.0);
    EXPECT_LT(local.hours, 24.0);
    const DateTime back = Converted(local, kUniversalTime, -150.0, 0.0, false);
    EXPECT_TRUE(back.day == 31 && back.month == 12) << testing::PrintToString(back);
}

// A place 30 degrees east must have the same local sidereal time whichever
// orientation the user reads its longitude in.
TEST(ConvertTimeSystem, SiderealTimeIsTheSameInBothLongitudeOrientations) {
    for (const std::int32_t orientation : {kWestPositive, kEastPositive}) {
        SCOPED_TRACE(orientation);
        const double typedEast = orientation == kEastPositive ? 30.0 : -30.0;
        const LongitudeValue east = LongitudeValue::FromOriented(typedEast, orientation);
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

TEST(ConvertTimeSystem, NoTimeTakesOnlyTheSystemAndInvalidCountsAsCivil) {
    const DateTime noTime = MakeDateTime(2001, 3, 1, kNoTimeHours, kLocalCivilTime);
    const DateTime converted = Converted(noTime, kLocalSiderealTime, 45.0, 3.0, true);
    EXPECT_EQ(converted.hours, kNoTimeHours);
    EXPECT_EQ(converted.timeSystem, kLocalSiderealTime);
    EXPECT_EQ(converted.day, 1);

    const DateTime invalid = MakeDateTime(2001, 3, 1, 12.0, kInvalidTimeSystem);
    const DateTime universal = Converted(invalid, kUniversalTime, 0.0, 5.5, false);
    ExpectRecord(universal, 1, 6.5, kUniversalTime);
    ExpectRecord(Converted(universal, kInvalidTimeSystem, 0.0, 5.5, false), 1, 12.0,
                 kLocalCivilTime);
}

// At the first valid day local civil time shortly after midnight lies on a
// day before the calendar's range. The hours must keep the moment (and so the
// Julian day) right instead of wrapping onto the wrong day.
TEST(ConvertTimeSystem, CivilStepAtFirstValidDayKeepsTheMoment) {
    const DateTime first = MakeDateTime(1583, 1, 1, 0.5, kLocalCivilTime);
    const DateTime universal = Converted(first, kUniversalTime, 0.0, 1.0, false);
    EXPECT_EQ(universal.timeSystem, kUniversalTime);
    EXPECT_EQ(universal.day, 1);
    EXPECT_NEAR(DateTimeToJulianDay(universal), DateTimeToJulianDay(first) - 1.0 / 24.0,
                kJulianDayTolerance);

    const DateTime last = MakeDateTime(3000, 12, 31, 23.5, kUniversalTime);
    EXPECT_NEAR(DateTimeToJulianDay(Converted(last, kLocalCivilTime, 0.0, 2.0, false)),
                DateTimeToJulianDay(last) + 2.0 / 24.0, kJulianDayTolerance);
}

}  // namespace
}  // namespace corvinata
