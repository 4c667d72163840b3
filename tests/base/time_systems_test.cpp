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

TEST(TimeSystemNames, TableHoldsNamesAndCodesInChainOrder) {
    const TimeSystemTable& table = TimeScaleNames();
    EXPECT_EQ(table.count, 4);
    EXPECT_EQ(Utf8(GetTimeSystemName(kUniversalTime)), "Universal time");
    EXPECT_EQ(Utf8(GetTimeSystemName(kGreenwichSiderealTime)), "Greenwich sidereal time");
    EXPECT_EQ(Utf8(GetTimeSystemName(kLocalCivilTime)), "Local civil time");
    EXPECT_EQ(Utf8(GetTimeSystemName(kLocalSiderealTime)), "Local sidereal time");
    EXPECT_EQ(Utf8(GetTimeSystemName(kInvalidTimeSystem)), "Invalid");
    EXPECT_EQ(Utf8(GetTimeSystemCode(kUniversalTime)), "UT");
    EXPECT_EQ(Utf8(GetTimeSystemCode(kGreenwichSiderealTime)), "GST");
    EXPECT_EQ(Utf8(GetTimeSystemCode(kLocalCivilTime)), "LCT");
    EXPECT_EQ(Utf8(GetTimeSystemCode(kLocalSiderealTime)), "LST");
    EXPECT_EQ(Utf8(GetTimeSystemCode(kInvalidTimeSystem)), "Invalid");
}

TEST(TimeSystemNames, FindByCodeIsExactAndAnswersFiveForUnknownTexts) {
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(FindTimeSystemByCode(GetTimeSystemCode(i)), i);
    EXPECT_EQ(FindTimeSystemByCode(TXT("lst")), 5);
    EXPECT_EQ(FindTimeSystemByCode(TXT("Universal time")), 5);
    EXPECT_EQ(FindTimeSystemByCode(TXT("UT ")), 5);
    EXPECT_EQ(FindTimeSystemByCode(TXT("")), 5);
}

TEST(TimeSystemNames, FieldOutsideTableReadsAsInvalid) {
    EXPECT_EQ(Utf8(GetTimeSystemCode(-1)), "Invalid");
    EXPECT_EQ(Utf8(GetTimeSystemName(17)), "Invalid");
}

struct JulianDayCase {
    const char* label;
    DateTime date;
    double julianDay;
};

class JulianDays : public testing::TestWithParam<JulianDayCase> {};

TEST_P(JulianDays, DateGivesJulianDay) {
    EXPECT_NEAR(DateTimeToJulianDay(GetParam().date), GetParam().julianDay, kJulianDayTolerance);
}

// Published values: Meeus, Astronomical Algorithms, ch. 7.
INSTANTIATE_TEST_SUITE_P(
    Published, JulianDays,
    testing::Values(
        JulianDayCase{"J2000", MakeDateTime(2000, 1, 1, 12.0), 2451545.0},
        JulianDayCase{"FirstValidDay", MakeDateTime(1583, 1, 1, 0.0), 2299238.5},
        JulianDayCase{"UnnormalisedEndOfLastDay", MakeDateTime(3000, 12, 31, 24.0), 2817152.5},
        JulianDayCase{"Sputnik", MakeDateTime(1957, 10, 4, 0.81 * 24.0), 2436116.31},
        JulianDayCase{"January1987", MakeDateTime(1987, 1, 27, 0.0), 2446822.5},
        JulianDayCase{"June1987", MakeDateTime(1987, 6, 19, 12.0), 2446966.0},
        JulianDayCase{"January1988", MakeDateTime(1988, 1, 27, 0.0), 2447187.5},
        JulianDayCase{"June1988", MakeDateTime(1988, 6, 19, 12.0), 2447332.0},
        JulianDayCase{"Year1600", MakeDateTime(1600, 1, 1, 0.0), 2305447.5},
        JulianDayCase{"LeapDay1600", MakeDateTime(1600, 12, 31, 0.0), 2305812.5},
        JulianDayCase{"Year1900", MakeDateTime(1900, 1, 1, 0.0), 2415020.5}),
    [](const testing::TestParamInfo<JulianDayCase>& info) { return info.param.label; });

TEST(JulianDays, TimeSystemIsIgnored) {
    EXPECT_EQ(DateTimeToJulianDay(MakeDateTime(2000, 1, 1, 12.0, kLocalSiderealTime)), 2451545.0);
}

TEST(JulianDays, CalendarDateOfJulianDay) {
    const DateTime j2000 = JulianDayToDateTime(2451545.0);
    EXPECT_EQ(j2000.year, 2000);
    EXPECT_EQ(j2000.month, 1);
    EXPECT_EQ(j2000.day, 1);
    EXPECT_NEAR(j2000.hours, 12.0, kHoursTolerance);
    EXPECT_EQ(j2000.timeSystem, kUniversalTime);

    const DateTime sputnik = JulianDayToDateTime(2436116.31);
    EXPECT_EQ(sputnik.year, 1957);
    EXPECT_EQ(sputnik.month, 10);
    EXPECT_EQ(sputnik.day, 4);
    EXPECT_NEAR(sputnik.hours, 0.81 * 24.0, kHoursTolerance);
}

TEST(JulianDays, GregorianReformIsHonouredOnTheWayBack) {
    const DateTime reform = JulianDayToDateTime(2299160.5);
    EXPECT_EQ(reform.year, 1582);
    EXPECT_EQ(reform.month, 10);
    EXPECT_EQ(reform.day, 15);
    EXPECT_NEAR(reform.hours, 0.0, kHoursTolerance);
    const DateTime lastJulian = JulianDayToDateTime(2299159.5);
    EXPECT_EQ(lastJulian.year, 1582);
    EXPECT_EQ(lastJulian.month, 10);
    EXPECT_EQ(lastJulian.day, 4);
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
        ASSERT_EQ(back.year, date.year) << testing::PrintToString(date);
        ASSERT_EQ(back.month, date.month) << testing::PrintToString(date);
        ASSERT_EQ(back.day, date.day) << testing::PrintToString(date);
        ASSERT_NEAR(back.hours, date.hours, kHoursTolerance) << testing::PrintToString(date);
        ASSERT_NEAR(DateTimeToJulianDay(back), julianDay, kJulianDayTolerance);
        ++step;
    } while (DateTimeAddDays(date, 3));
    EXPECT_GT(step, 170000);
}

TEST(JulianDays, NumbersBeyondAnyCalendarGiveRecordWithoutTime) {
    EXPECT_EQ(JulianDayToDateTime(std::nan("")).hours, kNoTimeHours);
    EXPECT_EQ(JulianDayToDateTime(1e300).hours, kNoTimeHours);
    EXPECT_EQ(JulianDayToDateTime(-HUGE_VAL).hours, kNoTimeHours);
}

TEST(JulianDays, DifferenceInDays) {
    EXPECT_DOUBLE_EQ(
        DateTimeDifferenceDays(MakeDateTime(2000, 3, 1, 0.0), MakeDateTime(2000, 2, 28, 0.0)), 2.0);
    const DateTime any = MakeDateTime(2345, 6, 7, 8.9, kLocalCivilTime);
    EXPECT_EQ(DateTimeDifferenceDays(any, any), 0.0);
    EXPECT_DOUBLE_EQ(DateTimeDifferenceDays(MakeDateTime(2000, 1, 1, 6.0, kUniversalTime),
                                            MakeDateTime(2000, 1, 1, 18.0, kLocalCivilTime)),
                     -0.5);
}

TEST(JulianDays, ReportsPrintThreeDecimals) {
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
                double error = record.hours - expected;
                if (error > 12.0) error -= 24.0;
                if (error < -12.0) error += 24.0;
                ASSERT_LT(std::fabs(error) * 3600.0, kSiderealToleranceSeconds)
                    << year << "-" << month << " " << hours << " h";
                ASSERT_GE(record.hours, 0.0);
                ASSERT_LT(record.hours, 24.0);
            }
        }
    }
}

TEST(ConvertTimeSystem, LocalCivilTimeWithDaylightSavingToPreviousDay) {
    DateTime record = MakeDateTime(2001, 3, 1, 0.5, kLocalCivilTime);
    ConvertTimeSystemAt(record, kUniversalTime, 0.0, 1.0, true);
    EXPECT_EQ(record.timeSystem, kUniversalTime);
    EXPECT_EQ(record.year, 2001);
    EXPECT_EQ(record.month, 2);
    EXPECT_EQ(record.day, 28);
    EXPECT_NEAR(record.hours, 22.5, kHoursTolerance);

    ConvertTimeSystemAt(record, kLocalCivilTime, 0.0, 1.0, true);
    EXPECT_EQ(record.timeSystem, kLocalCivilTime);
    EXPECT_EQ(record.day, 1);
    EXPECT_NEAR(record.hours, 0.5, kHoursTolerance);
}

TEST(ConvertTimeSystem, LocalSiderealTimeFollowsLongitudeWestPositive) {
    DateTime west = MakeDateTime(2001, 3, 1, 1.0, kGreenwichSiderealTime);
    ConvertTimeSystemAt(west, kLocalSiderealTime, 30.0, 0.0, false);
    EXPECT_EQ(west.timeSystem, kLocalSiderealTime);
    EXPECT_NEAR(west.hours, 23.0, kHoursTolerance);
    EXPECT_EQ(west.day, 1);

    DateTime east = MakeDateTime(2001, 3, 1, 1.0, kGreenwichSiderealTime);
    ConvertTimeSystemAt(east, kLocalSiderealTime, -30.0, 0.0, false);
    EXPECT_NEAR(east.hours, 3.0, kHoursTolerance);

    ConvertTimeSystemAt(west, kGreenwichSiderealTime, 30.0, 0.0, false);
    EXPECT_EQ(west.timeSystem, kGreenwichSiderealTime);
    EXPECT_NEAR(west.hours, 1.0, kHoursTolerance);
}

// A place 30 degrees east must have the same local sidereal time whichever
// orientation the user reads its longitude in.
class LongitudeOrientation : public testing::TestWithParam<std::int32_t> {};

TEST_P(LongitudeOrientation, SiderealTimeIsTheSameInBothOrientations) {
    const std::int32_t orientation = GetParam();
    const double typedEast = orientation == kEastPositive ? 30.0 : -30.0;
    const LongitudeValue east = LongitudeValue::FromOriented(typedEast, orientation);
    TimeZoneValue zone;
    zone.hours = 2.0;

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

INSTANTIATE_TEST_SUITE_P(Orientations, LongitudeOrientation,
                         testing::Values(kWestPositive, kEastPositive));

TEST(ConvertTimeSystem, RecordWithoutTimeOnlyTakesTheNewSystem) {
    DateTime record = MakeDateTime(2001, 3, 1, kNoTimeHours, kLocalCivilTime);
    ConvertTimeSystemAt(record, kLocalSiderealTime, 45.0, 3.0, true);
    EXPECT_EQ(record.hours, kNoTimeHours);
    EXPECT_EQ(record.timeSystem, kLocalSiderealTime);
    EXPECT_EQ(record.day, 1);
}

TEST(ConvertTimeSystem, InvalidSystemCountsAsLocalCivilTime) {
    DateTime record = MakeDateTime(2001, 3, 1, 12.0, kInvalidTimeSystem);
    ConvertTimeSystemAt(record, kUniversalTime, 0.0, 5.5, false);
    EXPECT_EQ(record.timeSystem, kUniversalTime);
    EXPECT_NEAR(record.hours, 6.5, kHoursTolerance);

    ConvertTimeSystemAt(record, kInvalidTimeSystem, 0.0, 5.5, false);
    EXPECT_EQ(record.timeSystem, kLocalCivilTime);
    EXPECT_NEAR(record.hours, 12.0, kHoursTolerance);
}

TEST(ConvertTimeSystem, SiderealStepsNeverMoveTheDate) {
    DateTime record = MakeDateTime(2001, 12, 31, 23.9, kUniversalTime);
    ConvertTimeSystemAt(record, kLocalSiderealTime, -150.0, 0.0, false);
    EXPECT_EQ(record.day, 31);
    EXPECT_GE(record.hours, 0.0);
    EXPECT_LT(record.hours, 24.0);
    ConvertTimeSystemAt(record, kUniversalTime, -150.0, 0.0, false);
    EXPECT_EQ(record.day, 31);
    EXPECT_EQ(record.month, 12);
}

// At the first valid day local civil time shortly after midnight lies on a
// day before the calendar's range. The hours must keep the moment (and so the
// Julian day) right instead of wrapping onto the wrong day.
TEST(ConvertTimeSystem, CivilStepAtFirstValidDayKeepsTheMoment) {
    DateTime record = MakeDateTime(1583, 1, 1, 0.5, kLocalCivilTime);
    const double universalJulianDay = DateTimeToJulianDay(record) - 1.0 / 24.0;
    ConvertTimeSystemAt(record, kUniversalTime, 0.0, 1.0, false);
    EXPECT_EQ(record.timeSystem, kUniversalTime);
    EXPECT_EQ(record.day, 1);
    EXPECT_NEAR(DateTimeToJulianDay(record), universalJulianDay, kJulianDayTolerance);

    DateTime last = MakeDateTime(3000, 12, 31, 23.5, kUniversalTime);
    const double civilJulianDay = DateTimeToJulianDay(last) + 2.0 / 24.0;
    ConvertTimeSystemAt(last, kLocalCivilTime, 0.0, 2.0, false);
    EXPECT_NEAR(DateTimeToJulianDay(last), civilJulianDay, kJulianDayTolerance);
}

}  // namespace
}  // namespace corvinata
