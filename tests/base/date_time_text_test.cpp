#include "base/date_time_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>

#include "base/date_time_testing.h"
#include "base/text_scanner.h"
#include "base/time_step.h"
#include "base/time_systems.h"
#include "base/wide_string.h"

namespace corvinata {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

double Hms(int h, int m, double s) { return h + m / 60.0 + s / 3600.0; }

std::string TimeText(double hours, int precision, int rounding, bool* nextDay = nullptr,
                     bool withCode = false, std::int32_t system = kUniversalTime) {
    String out(TXT("stale"));
    FormatTime(precision, MakeDateTime(2001, 3, 5, hours, system), withCode, rounding, nextDay,
               out);
    return Utf8(out);
}

std::string DateText(const DateTime& record, int precision) {
    String out(TXT("stale"));
    FormatDate(record, precision, out);
    return Utf8(out);
}

TEST(TimeText, PrecisionRoundingAndTheNextDayFlag) {
    const struct {
        double hours;
        int precision;
        int rounding;
        const char* text;
        bool nextDay;
    } cases[] = {
        {23.9999, kTimeToMinute, kRoundToNextDay, "00:00", true},
        {23.9999, kTimeToMinute, kRoundHoldDayEnd, "23:59", false},
        {23.9999, kTimeToMinute, kTruncateTime, "23:59", false},
        {23.9999, kTimeToMinute, kRoundKeep24, "24:00", false},
        {Hms(12, 30, 0), kTimeToHour, kRoundToNextDay, "13", false},
        {Hms(9, 14, 30), kTimeToMinute, kRoundToNextDay, "09:15", false},
        {Hms(9, 59, 59.6), kTimeToSecond, kRoundToNextDay, "10:00:00", false},
        {Hms(10, 59, 59.9995), kTimeToSecond, kTruncateTime, "11:00:00", false},
        // Whole and half seconds as typed, also where the hours hold them a
        // hair short; a fifth of a microsecond less is no half second.
        {Hms(10, 59, 59.5), kTimeToSecond, kRoundToNextDay, "11:00:00", false},
        {Hms(0, 2, 59.5), kTimeToSecond, kRoundToNextDay, "00:03:00", false},
        {Hms(0, 34, 7), kTimeToSecond, kTruncateTime, "00:34:07", false},
        {Hms(12, 59, 59.4999998), kTimeToSecond, kRoundToNextDay, "12:59:59", false},
        {Hms(23, 59, 59.4999998), kTimeToSecond, kRoundToNextDay, "23:59:59", false},
        {Hms(23, 59, 59.4999998), kTimeToSecond, kRoundHoldDayEnd, "23:59:59", false},
        // Hours no record should hold still give a defined text.
        {std::nan(""), kTimeToSecond, kRoundToNextDay, "00:00:00", false},
        {kInfinity, kTimeToSecond, kRoundToNextDay, "1000000:00:00", false},
        {-kInfinity, kTimeToMinute, kRoundToNextDay, "-1000000:00", false},
        {1.0e12, kTimeToHour, kRoundToNextDay, "1000000", false},
    };
    for (const auto& c : cases) {
        bool nextDay = !c.nextDay;
        EXPECT_EQ(TimeText(c.hours, c.precision, c.rounding, &nextDay), c.text) << c.hours;
        EXPECT_EQ(nextDay, c.nextDay) << c.hours;
    }
}

// Moments reached by arithmetic, as a graph's steps and a change of time
// zone reach them, hold their whole seconds a few nanoseconds short; shown
// with the seconds cut off they still show their own second, not the one
// before.
TEST(TimeText, WholeSecondsReachedByStepsAndZonesShowWhole) {
    const auto text = [](int second) {
        char out[16];
        std::snprintf(out, sizeof out, "%02d:%02d:%02d", second / 3600, second / 60 % 60, second % 60);
        return std::string(out);
    };
    const auto shown = [](const DateTime& moment) {
        String out;
        FormatTime(kTimeToSecond, moment, false, kTruncateTime, nullptr, out);
        return Utf8(out);
    };
    const struct {
        int begin;  // seconds of the day
        TimeStep step;
        int stepSeconds;
    } runs[] = {
        {37, {kMinutesUnit, 1}, 60},         {6 * 3600 + 37, {kHoursUnit, 1}, 3600},
        {1, {kSecondsUnit, 7}, 7},           {86399, {kMinutesUnit, 13}, 780},
        {12 * 3600, {kSecondsUnit, 1}, 1},   {59, {kMinutesUnit, 59}, 3540},
    };
    for (const auto& run : runs) {
        DateTime moment = MakeDateTime(2027, 3, 10, run.begin / 3600.0, kUniversalTime);
        for (int i = 0, second = run.begin; i < 366; ++i, second = (second + run.stepSeconds) % 86400) {
            ASSERT_EQ(shown(moment), text(second)) << "step " << run.step.count << "/" << run.step.unit << ", " << i;
            ASSERT_TRUE(AddDateTimeInterval(moment, run.step));
        }
    }
    // A time typed in local civil time, taken to universal time and back.
    for (const double zone : {9.0, -3.5, 5.75, 12.75, -11.0}) {
        for (int second = 0; second < 86400; ++second) {
            DateTime moment = MakeDateTime(2027, 3, 10, second / 3600.0, kLocalCivilTime);
            ASSERT_TRUE(ConvertTimeSystemAt(moment, kUniversalTime, 0.0, zone, false));
            ASSERT_TRUE(ConvertTimeSystemAt(moment, kLocalCivilTime, 0.0, zone, false));
            ASSERT_EQ(shown(moment), text(second)) << "zone " << zone;
        }
    }
}

// Hours a hair above 0 (a subnormal number read from a file) split into
// 0 s, not into a number that is none.
TEST(TimeText, HoursAHairAboveZeroSplitIntoNoSeconds) {
    for (const double hours : {1e-320, -1e-320, 5e-324, 1e-300}) {
        int h = 1;
        int m = 1;
        double s = 1.0;
        HoursToHms(hours, h, m, s);
        EXPECT_TRUE(h == 0 && m == 0 && s == 0.0) << hours << ": " << h << " " << m << " " << s;
    }
}

TEST(TimeText, SystemCodeAfterBlankAndDashesWithoutCodeOrFlag) {
    EXPECT_EQ(TimeText(Hms(14, 5, 0), kTimeToMinute, kRoundToNextDay, nullptr, true,
                       kLocalCivilTime),
              "14:05 LCT");
    EXPECT_EQ(TimeText(14.0, kTimeToHour, kRoundToNextDay, nullptr, true, kInvalidTimeSystem),
              "14 Invalid");
    bool nextDay = true;
    for (const auto& [precision, dashes] :
         {std::pair{kTimeToSecond, "--:--:--"}, {kTimeToMinute, "--:--"}, {kTimeToHour, "--"}}) {
        EXPECT_EQ(TimeText(kNoTimeHours, precision, kRoundToNextDay, &nextDay, true), dashes);
    }
    EXPECT_TRUE(nextDay);
    EXPECT_EQ(DateText(MakeDateTime(2001, 3, 5, kNoTimeHours), kDateToYear), "--.--.--");
}

TEST(DateText, PrecisionsJoiningAndTheLocaleShortDate) {
    const DateTime date = MakeDateTime(2001, 3, 5, Hms(14, 5, 9), kUniversalTime);
    EXPECT_EQ(DateText(date, kDateToDay), "05.03.2001");
    EXPECT_EQ(DateText(date, kDateToMonth), "03.2001");
    EXPECT_EQ(DateText(date, kDateToYear), "2001");
    EXPECT_EQ(DateText(date, kTimeToMinute), "stale");
    EXPECT_EQ(Utf8(FormatDateTimeJoined(date, kTimeToSecond, true, TXT(" "))),
              "05.03.2001 14:05:09 UT");
    EXPECT_EQ(Utf8(FormatDateTimeJoined(MakeDateTime(2001, 3, 5, kNoTimeHours), kTimeToMinute,
                                        true, TXT(", "))),
              "--.--.--, --:--");

    for (const bool works : {true, false}) {
        ClockSetting setting;
        setting.shortDateWorks = works;
        FixedClockApplication application(setting);
        String out(TXT("old"));
        EXPECT_EQ(FormatDateLocaleShort(date, out), works);
        EXPECT_EQ(Utf8(out), works ? "2001/3/5" : "");
    }
}

std::string DateAndTime(const DateTime& record, bool withCode, int precision) {
    String date, time;
    FormatDateAndTime(record, date, time, withCode, precision);
    return Utf8(date) + " " + Utf8(time);
}

TEST(DateAndTimeText, RoundingMovesTheDateAlong) {
    const DateTime late = MakeDateTime(2000, 12, 31, Hms(23, 59, 40), kLocalCivilTime);
    EXPECT_EQ(DateAndTime(late, false, kTimeToMinute), "01.01.2001 00:00");
    EXPECT_EQ(DateAndTime(late, true, kTimeToSecond), "31.12.2000 23:59:40 LCT");
    // Regression: the last valid day has no next day, and "00:00" beside its
    // own date put the moment a day early.
    EXPECT_EQ(DateAndTime(MakeDateTime(3000, 12, 31, Hms(23, 59, 40)), false, kTimeToMinute),
              "31.12.3000 23:59");
}

TEST(ParseDate, AcceptsOnlyValidDayMonthYear) {
    const struct {
        const Char* text;
        int year, month, day;  // 0 when refused
    } cases[] = {
        {TXT("5.3.2001"), 2001, 3, 5}, {TXT("29.2.2000 12:00"), 2000, 2, 29},
        {TXT("31.12.3000"), 3000, 12, 31}, {TXT("5-3-2001"), 0, 0, 0},
        {TXT("29.2.2001"), 0, 0, 0}, {TXT("1.1.1582"), 0, 0, 0},
        {TXT("1.1.3001"), 0, 0, 0}, {TXT("5.3."), 0, 0, 0},
        {TXT("1.13.2001"), 0, 0, 0}, {TXT("0.3.2001"), 0, 0, 0},
        {TXT("-5.3.2001"), 0, 0, 0}, {TXT("5.3.99999999999"), 0, 0, 0},
        {TXT(""), 0, 0, 0},
    };
    for (const auto& c : cases) {
        DateTime record = MakeDateTime(1999, 9, 9, 7.25, kLocalSiderealTime);
        EXPECT_EQ(DateTimeParseDate(record, c.text), c.year != 0) << Utf8(c.text);
        const DateTime expected =
            c.year ? MakeDateTime(c.year, c.month, c.day, 7.25, kLocalSiderealTime)
                   : MakeDateTime(1999, 9, 9, 7.25, kLocalSiderealTime);
        EXPECT_TRUE(DateTimeEqual(record, expected)) << Utf8(c.text);
    }
}

TEST(ParseTime, AcceptsHoursMinutesOptionalSecondsAndEndOfDay) {
    const struct {
        const Char* text;
        double hours;
        int day;  // 0 when refused
    } cases[] = {
        {TXT("9:05"), Hms(9, 5, 0), 28}, {TXT("9:05:30 UT"), Hms(9, 5, 30), 28},
        {TXT("24:00"), 0.0, 29}, {TXT("24:00:00"), 0.0, 29}, {TXT("24:01"), 0, 0},
        {TXT("25:00"), 0, 0}, {TXT("9"), 0, 0}, {TXT("9:60"), 0, 0}, {TXT("9:05:60"), 0, 0},
        {TXT("9:05:"), 0, 0}, {TXT("-1:00"), 0, 0}, {TXT("1:-5"), 0, 0},
        {TXT("9:05.30"), 0, 0}, {TXT("9:05x"), 0, 0}, {TXT("4294967296:00"), 0, 0},
        {TXT(""), 0, 0},
    };
    for (const auto& c : cases) {
        DateTime record = MakeDateTime(2000, 2, 28, 7.25, kLocalCivilTime);
        EXPECT_EQ(DateTimeParseTime(record, c.text), c.day != 0) << Utf8(c.text);
        const double hours = c.day ? record.hours : 7.25;
        EXPECT_TRUE(DateTimeEqual(
            record, MakeDateTime(2000, 2, c.day ? c.day : 28, hours, kLocalCivilTime)))
            << Utf8(c.text);
        EXPECT_NEAR(record.hours, c.day ? c.hours : 7.25, 1e-9) << Utf8(c.text);
    }
}

// 24:00 on the last valid day cannot move to a next day; reporting success
// with the old date would put the moment a day early.
TEST(ParseTime, EndOfDayOnLastValidDayIsRefused) {
    const DateTime last = MakeDateTime(3000, 12, 31, 7.0, kUniversalTime);
    DateTime record = last;
    EXPECT_FALSE(DateTimeParseTime(record, TXT("24:00")));
    EXPECT_TRUE(DateTimeEqual(record, last));
}

// A time typed or sent alone is read whole: a fraction of a second and
// 24:00 are what they say; a time system's name, a fourth colon group or
// anything else after the time is refused, not dropped.
TEST(ParseTime, AloneReadsTheWholeText) {
    const struct {
        const Char* text;
        double hours;  // -1: refused
        int day;
    } cases[] = {
        {TXT(" 6:30 "), 6.5, 28}, {TXT("6:30:36"), 6.51, 28}, {TXT("6:30 UT"), -1.0, 28},
        {TXT("6:30:00LCT"), -1.0, 28}, {TXT("6:30 x"), -1.0, 28}, {TXT("6.5"), -1.0, 28},
        {TXT("6:30:00:45"), -1.0, 28}, {TXT("12:30:45:"), -1.0, 28}, {TXT("6:30:"), -1.0, 28},
        {TXT("23:59:59.7"), 23 + 59 / 60.0 + 59.7 / 3600, 28}, {TXT("10:30:00.5 "), 10.5 + 0.5 / 3600, 28},
        {TXT("24:00"), 0.0, 29}, {TXT("24:00:00.000"), 0.0, 29}, {TXT("24:00:00.5"), -1.0, 28},
        {TXT("6:30:00."), -1.0, 28}, {TXT("6:30.5"), -1.0, 28}, {TXT("6:30:00.5e1"), -1.0, 28},
        {TXT("6:30:00.5.5"), -1.0, 28}, {TXT("6:30:00 .5"), -1.0, 28}, {TXT("+6:30"), -1.0, 28},
        {TXT("6: 30"), -1.0, 28}, {TXT("6:30:59.99"), 6.5 + 59.99 / 3600, 28}, {TXT("6:30:60.0"), -1.0, 28},
    };
    for (const auto& c : cases) {
        DateTime record = MakeDateTime(2000, 2, 28, 7.25, kLocalCivilTime);
        EXPECT_EQ(DateTimeParseTimeAlone(record, c.text), c.hours >= 0.0) << Utf8(c.text);
        EXPECT_NEAR(record.hours, c.hours >= 0.0 ? c.hours : 7.25, 1e-9) << Utf8(c.text);
        EXPECT_EQ(record.day, c.day) << Utf8(c.text);
    }
    // The time of day itself: 24:00 is the end of the day.
    double hours = -1.0;
    EXPECT_TRUE(ParseTimeOfDay(TXT("24:00"), hours));
    EXPECT_EQ(hours, 24.0);
}

// A date sent alone is read as the date reader reads it, each number with
// the integer step (white space and a sign before its digits), and whole:
// nothing after the year is dropped.
TEST(ParseDate, AloneReadsWhatTheDateReaderReadsAndNothingAfterTheYear) {
    const struct {
        const Char* text;
        bool read;
    } cases[] = {
        // Read.
        {TXT(" 5.3.2001 "), true}, {TXT("05.03.2001"), true}, {TXT("+5.3.2001"), true},
        {TXT("5.+3.+2001"), true}, {TXT("5. 3. 2001"), true}, {TXT("5.3.\t2001"), true},
        {TXT(" +05.  +03. 2001\t"), true},
        // Refused: after the year, the separators, the values.
        {TXT("5.3.2001x"), false}, {TXT("5.3.2001.7"), false}, {TXT("5.3.2001 UT"), false},
        {TXT("5.3.2001 12:00"), false}, {TXT("5 .3.2001"), false}, {TXT("5.3 .2001"), false},
        {TXT("-5.3.2001"), false}, {TXT("5.3.-2001"), false}, {TXT("+ 5.3.2001"), false},
        {TXT("5-3-2001"), false}, {TXT("5.3/2001"), false}, {TXT("31.4.2001"), false},
        {TXT("29.2.2001"), false}, {TXT("1.1.1582"), false}, {TXT("5.3"), false}, {TXT("5.3."), false},
    };
    for (const auto& c : cases) {
        DateTime record = MakeDateTime(1999, 9, 9, 7.25, kLocalSiderealTime);
        EXPECT_EQ(DateTimeParseDateAlone(record, c.text), c.read) << Utf8(c.text);
        EXPECT_TRUE(DateTimeEqual(record, c.read ? MakeDateTime(2001, 3, 5, 7.25, kLocalSiderealTime)
                                                 : MakeDateTime(1999, 9, 9, 7.25, kLocalSiderealTime)))
            << Utf8(c.text);
    }
}

TEST(ReadUnsignedStep, ReadsDigitsAndRefusesSignsOverflowAndNonDigits) {
    const struct {
        const Char* text;
        int value, position;  // position 0 when refused
    } cases[] = {
        {TXT(" +42:7"), 42, 4}, {TXT("2147483646"), 2147483646, 10}, {TXT("-1"), 5, 0},
        {TXT("2147483647"), 5, 0}, {TXT("abc"), 5, 0}, {TXT("+"), 5, 0},
    };
    for (const auto& c : cases) {
        TextScanner scanner(c.text);
        int value = 5;
        EXPECT_EQ(ReadUnsigned(scanner, value).ok, c.position != 0) << Utf8(c.text);
        EXPECT_EQ(value, c.value) << Utf8(c.text);
        EXPECT_EQ(scanner.position, c.position) << Utf8(c.text);
        EXPECT_EQ(scanner.matchCount, c.position != 0 ? 1 : 0) << Utf8(c.text);
    }
}

TEST(ReadUnsignedStep, DoesNothingAfterAFailedStep) {
    TextScanner scanner(TXT("12"));
    scanner.ok = false;
    int value = 5;
    EXPECT_FALSE(ReadUnsigned(scanner, value).ok);
    EXPECT_TRUE(value == 5 && scanner.position == 0);
}

// Text written by the formatters must read back as the same value, for days
// every five days over the valid range (which meet every day of the month in
// every month) and for the seconds (and minutes) of a day.
TEST(RoundTrip, DatesReadBackFromTheirText) {
    DateTime date = MakeDateTime(1583, 1, 1, 12.0);
    do {
        String text;
        FormatDate(date, kDateToDay, text);
        DateTime parsed = MakeDateTime(2000, 1, 1, 12.0);
        ASSERT_TRUE(DateTimeParseDate(parsed, text.Text())) << Utf8(text);
        ASSERT_TRUE(DateTimeEqual(parsed, date)) << Utf8(text);
    } while (DateTimeAddDays(date, 5));
}

TEST(RoundTrip, SecondsOfTheDayReadBackFromTheirText) {
    // Steps of 7 s reach every second and minute value and every hour.
    for (int second = 0; second < 86400; second += 7) {
        const DateTime time = MakeDateTime(2001, 3, 5, second / 3600.0);
        for (const int precision : {kTimeToSecond, kTimeToMinute}) {
            if (precision == kTimeToMinute && second % 60 != 0) continue;
            const int rounding = precision == kTimeToSecond ? kRoundToNextDay : kTruncateTime;
            String text;
            FormatTime(precision, time, false, rounding, nullptr, text);
            DateTime parsed = MakeDateTime(2001, 3, 5, 99.0);
            ASSERT_TRUE(DateTimeParseTime(parsed, text.Text())) << Utf8(text);
            String again;
            FormatTime(precision, parsed, false, rounding, nullptr, again);
            ASSERT_EQ(Utf8(again), Utf8(text));
            ASSERT_NEAR(parsed.hours, time.hours, 1e-9) << Utf8(text);
        }
    }
}

}  // namespace
}  // namespace corvinata
