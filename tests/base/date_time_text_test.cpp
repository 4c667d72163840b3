#include "base/date_time_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/date_time_testing.h"
#include "base/text_scanner.h"
#include "base/time_systems.h"
#include "base/wide_string.h"

namespace corvinata {
namespace {

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
        {10.5, kTimeToSecond, kRoundToNextDay, "10:30:00", false},
        {23.9999, kTimeToMinute, kRoundToNextDay, "00:00", true},
        {23.9999, kTimeToMinute, kRoundHoldDayEnd, "23:59", false},
        {23.99999, kTimeToSecond, kRoundHoldDayEnd, "23:59:59", false},
        {23.9999, kTimeToMinute, kTruncateTime, "23:59", false},
        {23.9999, kTimeToMinute, kRoundKeep24, "24:00", false},
        {Hms(12, 30, 0), kTimeToHour, kRoundToNextDay, "13", false},
        {Hms(9, 14, 30), kTimeToMinute, kRoundToNextDay, "09:15", false},
        {Hms(9, 14, 29.9), kTimeToMinute, kRoundToNextDay, "09:14", false},
        {Hms(9, 59, 59.6), kTimeToSecond, kRoundToNextDay, "10:00:00", false},
        {Hms(8, 7, 6.9), kTimeToSecond, kTruncateTime, "08:07:06", false},
        {Hms(10, 59, 59.9995), kTimeToSecond, kTruncateTime, "11:00:00", false},
    };
    for (const auto& c : cases) {
        bool nextDay = !c.nextDay;
        EXPECT_EQ(TimeText(c.hours, c.precision, c.rounding, &nextDay), c.text) << c.hours;
        EXPECT_EQ(nextDay, c.nextDay) << c.hours;
    }
}

TEST(TimeText, SystemCodeAfterBlankAndDashesWithoutCodeOrFlag) {
    EXPECT_EQ(TimeText(Hms(14, 5, 0), kTimeToMinute, kRoundToNextDay, nullptr, true,
                       kLocalCivilTime),
              "14:05 LCT");
    EXPECT_EQ(TimeText(14.0, kTimeToHour, kRoundToNextDay, nullptr, true, kInvalidTimeSystem),
              "14 Invalid");
    bool nextDay = true;
    EXPECT_EQ(TimeText(kNoTimeHours, kTimeToSecond, kRoundToNextDay, &nextDay, true), "--:--:--");
    EXPECT_EQ(TimeText(kNoTimeHours, kTimeToMinute, kRoundToNextDay, &nextDay, true), "--:--");
    EXPECT_EQ(TimeText(kNoTimeHours, kTimeToHour, kRoundToNextDay, &nextDay, true), "--");
    EXPECT_TRUE(nextDay);
    EXPECT_EQ(DateText(MakeDateTime(2001, 3, 5, kNoTimeHours), kDateToYear), "--.--.--");
}

TEST(TimeText, SplitOfHoursCarriesAHairBelowTheMinute) {
    int h = 0, m = 0;
    double s = 0.0;
    HoursToHms(Hms(7, 45, 30.25), h, m, s);
    EXPECT_EQ(h, 7);
    EXPECT_EQ(m, 45);
    EXPECT_NEAR(s, 30.25, 1e-6);
    DateTimeToHms(MakeDateTime(2001, 1, 1, Hms(10, 59, 59.9995)), h, m, s);
    EXPECT_EQ(h, 11);
    EXPECT_EQ(m, 0);
    EXPECT_EQ(s, 0.0);
}

TEST(TimeText, NoNumberHoursDoNotCrash) {
    int h = -5, m = -5, s = -5;
    DateTimeRoundedHms(MakeDateTime(2001, 1, 1, std::nan("")), h, m, s, kRoundToNextDay,
                       kTimeToSecond, nullptr);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(m, 0);
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

    String out;
    {
        FixedClockApplication application;
        EXPECT_TRUE(FormatDateLocaleShort(date, out));
        EXPECT_EQ(Utf8(out), "2001/3/5");
    }
    ClockSetting broken;
    broken.shortDateWorks = false;
    FixedClockApplication application(broken);
    EXPECT_FALSE(FormatDateLocaleShort(date, out));
    EXPECT_EQ(Utf8(out), "");
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
}

// The last valid day has no next day: showing "00:00" beside its own date
// would put the moment a day early.
TEST(DateAndTimeText, NextDayRoundingOnLastValidDayHoldsTheTime) {
    EXPECT_EQ(DateAndTime(MakeDateTime(3000, 12, 31, Hms(23, 59, 40)), false, kTimeToMinute),
              "31.12.3000 23:59");
}

TEST(ParseDate, AcceptsOnlyValidDayMonthYear) {
    const struct {
        const Char* text;
        int year, month, day;  // 0 when refused
    } cases[] = {
        {TXT("5.3.2001"), 2001, 3, 5}, {TXT("05.03.2001"), 2001, 3, 5},
        {TXT("29.2.2000"), 2000, 2, 29}, {TXT("1.1.1583"), 1583, 1, 1},
        {TXT("31.12.3000"), 3000, 12, 31}, {TXT("5.3.2001 12:00"), 2001, 3, 5},
        {TXT("5-3-2001"), 0, 0, 0}, {TXT("5.3/2001"), 0, 0, 0},
        {TXT("31.4.2001"), 0, 0, 0}, {TXT("29.2.2001"), 0, 0, 0},
        {TXT("1.1.1582"), 0, 0, 0}, {TXT("1.1.3001"), 0, 0, 0},
        {TXT("5.3"), 0, 0, 0}, {TXT("5.3."), 0, 0, 0},
        {TXT("1.13.2001"), 0, 0, 0}, {TXT("0.3.2001"), 0, 0, 0},
        {TXT("-5.3.2001"), 0, 0, 0}, {TXT("5.3.99999999999"), 0, 0, 0},
        {TXT(""), 0, 0, 0}, {TXT("today"), 0, 0, 0},
    };
    for (const auto& c : cases) {
        const DateTime before = MakeDateTime(1999, 9, 9, 7.25, kLocalSiderealTime);
        DateTime record = before;
        EXPECT_EQ(DateTimeParseDate(record, c.text), c.year != 0) << Utf8(c.text);
        const DateTime expected =
            c.year ? MakeDateTime(c.year, c.month, c.day, 7.25, kLocalSiderealTime) : before;
        EXPECT_TRUE(DateTimeEqual(record, expected)) << Utf8(c.text);
    }
}

TEST(ParseTime, AcceptsHoursMinutesAndOptionalSeconds) {
    const double kRefused = -1.0;
    const struct {
        const Char* text;
        double hours;
    } cases[] = {
        {TXT("9:05"), Hms(9, 5, 0)}, {TXT("09:05:30"), Hms(9, 5, 30)},
        {TXT("23:59:59"), Hms(23, 59, 59)}, {TXT("9:05:30 UT"), Hms(9, 5, 30)},
        {TXT("24:01"), kRefused}, {TXT("9"), kRefused}, {TXT("9:"), kRefused},
        {TXT("9:60"), kRefused}, {TXT("9:05:60"), kRefused}, {TXT("9:05:"), kRefused},
        {TXT("-1:00"), kRefused}, {TXT("1:-5"), kRefused}, {TXT("9.05"), kRefused},
        {TXT("9:05.30"), kRefused}, {TXT("9:05x"), kRefused}, {TXT("25:00"), kRefused},
        {TXT("4294967296:00"), kRefused}, {TXT(""), kRefused},
    };
    for (const auto& c : cases) {
        const DateTime before = MakeDateTime(2001, 3, 5, 7.25, kLocalCivilTime);
        DateTime record = before;
        EXPECT_EQ(DateTimeParseTime(record, c.text), c.hours != kRefused) << Utf8(c.text);
        const DateTime expected =
            c.hours == kRefused ? before : MakeDateTime(2001, 3, 5, record.hours, kLocalCivilTime);
        EXPECT_TRUE(DateTimeEqual(record, expected)) << Utf8(c.text);
        if (c.hours != kRefused) {
            EXPECT_NEAR(record.hours, c.hours, 1e-9) << Utf8(c.text);
        }
    }
}

TEST(ParseTime, EndOfDayIsMidnightOfTheNextDay) {
    DateTime record = MakeDateTime(2000, 2, 28, 7.0, kLocalCivilTime);
    ASSERT_TRUE(DateTimeParseTime(record, TXT("24:00")));
    EXPECT_TRUE(DateTimeEqual(record, MakeDateTime(2000, 2, 29, 0.0, kLocalCivilTime)));
    ASSERT_TRUE(DateTimeParseTime(record, TXT("24:00:00")));
    EXPECT_TRUE(DateTimeEqual(record, MakeDateTime(2000, 3, 1, 0.0, kLocalCivilTime)));
}

// 24:00 on the last valid day cannot move to a next day; reporting success
// with the old date would put the moment a day early.
TEST(ParseTime, EndOfDayOnLastValidDayIsRefused) {
    const DateTime last = MakeDateTime(3000, 12, 31, 7.0, kUniversalTime);
    DateTime record = last;
    EXPECT_FALSE(DateTimeParseTime(record, TXT("24:00")));
    EXPECT_TRUE(DateTimeEqual(record, last));
}

TEST(ReadUnsignedStep, ReadsDigitsAndCountsTheMatch) {
    TextScanner scanner(TXT(" +42:7"));
    int value = -1;
    ReadUnsigned(scanner, value);
    EXPECT_TRUE(scanner.ok);
    EXPECT_EQ(value, 42);
    EXPECT_EQ(scanner.position, 4);
    EXPECT_EQ(scanner.matchCount, 1);

    TextScanner largest(TXT("2147483646"));
    ReadUnsigned(largest, value);
    EXPECT_TRUE(largest.ok);
    EXPECT_EQ(value, 2147483646);
}

TEST(ReadUnsignedStep, RefusesSignsOverflowAndNonDigits) {
    for (const Char* text : {TXT("-1"), TXT(" -1"), TXT("2147483647"), TXT("99999999999"),
                             TXT("abc"), TXT(""), TXT("+")}) {
        TextScanner scanner(text);
        int value = 5;
        ReadUnsigned(scanner, value);
        EXPECT_FALSE(scanner.ok) << Utf8(text);
        EXPECT_EQ(value, 5) << Utf8(text);
        EXPECT_EQ(scanner.position, 0) << Utf8(text);
        EXPECT_EQ(scanner.matchCount, 0) << Utf8(text);
    }
}

TEST(ReadUnsignedStep, DoesNothingAfterAFailedStep) {
    TextScanner scanner(TXT("12"));
    scanner.ok = false;
    int value = 5;
    ReadUnsigned(scanner, value);
    EXPECT_EQ(value, 5);
    EXPECT_EQ(scanner.position, 0);
}

// Text written by the formatters must read back as the same value, for every
// day of the valid range and for every second (and minute) of a day.
TEST(RoundTrip, EveryDateReadsBackFromItsText) {
    DateTime date = MakeDateTime(1583, 1, 1, 12.0);
    do {
        String text;
        FormatDate(date, kDateToDay, text);
        DateTime parsed = MakeDateTime(2000, 1, 1, 12.0);
        ASSERT_TRUE(DateTimeParseDate(parsed, text.Text())) << Utf8(text);
        ASSERT_TRUE(DateTimeEqual(parsed, date)) << Utf8(text);
    } while (DateTimeAddDays(date, 1));
}

TEST(RoundTrip, EverySecondOfTheDayReadsBackFromItsText) {
    for (int second = 0; second < 86400; ++second) {
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
