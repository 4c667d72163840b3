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

constexpr double kHoursTolerance = 1e-9;

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

struct TimeTextCase {
    const char* label;
    double hours;
    int precision;
    int rounding;
    const char* text;
    bool nextDay;
};

class TimeTexts : public testing::TestWithParam<TimeTextCase> {};

TEST_P(TimeTexts, FormatAtPrecisionAndRounding) {
    const TimeTextCase& c = GetParam();
    bool nextDay = !c.nextDay;
    EXPECT_EQ(TimeText(c.hours, c.precision, c.rounding, &nextDay), c.text);
    EXPECT_EQ(nextDay, c.nextDay);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TimeTexts,
    testing::Values(
        TimeTextCase{"HalfPastTen", 10.5, kTimeToSecond, kRoundToNextDay, "10:30:00", false},
        TimeTextCase{"WrapsToNextDay", 23.9999, kTimeToMinute, kRoundToNextDay, "00:00", true},
        TimeTextCase{"HeldAtDayEnd", 23.9999, kTimeToMinute, kRoundHoldDayEnd, "23:59", false},
        TimeTextCase{"HeldAtDayEndToSecond", 23.99999, kTimeToSecond, kRoundHoldDayEnd,
                     "23:59:59", false},
        TimeTextCase{"Truncated", 23.9999, kTimeToMinute, kTruncateTime, "23:59", false},
        TimeTextCase{"TruncatedSeconds", Hms(8, 7, 6.9), kTimeToSecond, kTruncateTime,
                     "08:07:06", false},
        TimeTextCase{"Keeps24", 23.9999, kTimeToMinute, kRoundKeep24, "24:00", false},
        TimeTextCase{"HourRoundsDown", Hms(12, 29, 50), kTimeToHour, kRoundToNextDay, "12",
                     false},
        TimeTextCase{"HourRoundsUp", Hms(12, 30, 0), kTimeToHour, kRoundToNextDay, "13", false},
        TimeTextCase{"HalfMinuteFromTypedSecondsRoundsUp", Hms(9, 14, 30), kTimeToMinute, kRoundToNextDay,
                     "09:15", false},
        TimeTextCase{"MinuteRoundsDown", Hms(9, 14, 29.9), kTimeToMinute, kRoundToNextDay,
                     "09:14", false},
        TimeTextCase{"SecondCarriesIntoHour", Hms(9, 59, 59.6), kTimeToSecond, kRoundToNextDay,
                     "10:00:00", false},
        TimeTextCase{"SecondRoundsDown", Hms(9, 59, 59.4), kTimeToSecond, kRoundToNextDay,
                     "09:59:59", false},
        TimeTextCase{"HairBelowMinuteCarries", Hms(10, 59, 59.9995), kTimeToSecond,
                     kTruncateTime, "11:00:00", false},
        TimeTextCase{"Midnight", 0.0, kTimeToSecond, kRoundToNextDay, "00:00:00", false}),
    [](const testing::TestParamInfo<TimeTextCase>& info) { return info.param.label; });

TEST(TimeText, SystemCodeFollowsAfterBlank) {
    EXPECT_EQ(TimeText(Hms(14, 5, 0), kTimeToMinute, kRoundToNextDay, nullptr, true,
                       kLocalCivilTime),
              "14:05 LCT");
    EXPECT_EQ(TimeText(Hms(14, 5, 0), kTimeToHour, kRoundToNextDay, nullptr, true,
                       kInvalidTimeSystem),
              "14 Invalid");
}

TEST(TimeText, RecordWithoutTimeIsDashesWithoutCodeOrFlag) {
    bool nextDay = true;
    EXPECT_EQ(TimeText(kNoTimeHours, kTimeToSecond, kRoundToNextDay, &nextDay, true), "--:--:--");
    EXPECT_EQ(TimeText(kNoTimeHours, kTimeToMinute, kRoundToNextDay, &nextDay, true), "--:--");
    EXPECT_EQ(TimeText(kNoTimeHours, kTimeToHour, kRoundToNextDay, &nextDay, true), "--");
    EXPECT_TRUE(nextDay);
    EXPECT_EQ(DateText(MakeDateTime(2001, 3, 5, kNoTimeHours), kDateToDay), "--.--.--");
    EXPECT_EQ(DateText(MakeDateTime(2001, 3, 5, kNoTimeHours), kDateToYear), "--.--.--");
}

TEST(TimeText, SplitOfHours) {
    int h = 0;
    int m = 0;
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
    int h = -5;
    int m = -5;
    int s = -5;
    DateTimeRoundedHms(MakeDateTime(2001, 1, 1, std::nan("")), h, m, s, kRoundToNextDay,
                       kTimeToSecond, nullptr);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(m, 0);
}

TEST(DateText, PrecisionsOfDayMonthAndYear) {
    const DateTime date = MakeDateTime(2001, 3, 5, 12.0);
    EXPECT_EQ(DateText(date, kDateToDay), "05.03.2001");
    EXPECT_EQ(DateText(date, kDateToMonth), "03.2001");
    EXPECT_EQ(DateText(date, kDateToYear), "2001");
    EXPECT_EQ(DateText(date, kTimeToMinute), "stale");
    EXPECT_EQ(DateText(MakeDateTime(1583, 12, 25), kDateToDay), "25.12.1583");
}

TEST(DateAndTimeText, RoundingMovesTheDateAlong) {
    String date;
    String time;
    FormatDateAndTime(MakeDateTime(2000, 12, 31, Hms(23, 59, 40), kLocalCivilTime), date, time,
                      false, kTimeToMinute);
    EXPECT_EQ(Utf8(date), "01.01.2001");
    EXPECT_EQ(Utf8(time), "00:00");

    FormatDateAndTime(MakeDateTime(2000, 12, 31, Hms(23, 59, 40), kLocalCivilTime), date, time,
                      true, kTimeToSecond);
    EXPECT_EQ(Utf8(date), "31.12.2000");
    EXPECT_EQ(Utf8(time), "23:59:40 LCT");
}

// The last valid day has no next day: showing "00:00" beside its own date
// would put the moment a day early.
TEST(DateAndTimeText, NextDayRoundingOnLastValidDayHoldsTheTime) {
    String date;
    String time;
    FormatDateAndTime(MakeDateTime(3000, 12, 31, Hms(23, 59, 40)), date, time, false,
                      kTimeToMinute);
    EXPECT_EQ(Utf8(date), "31.12.3000");
    EXPECT_EQ(Utf8(time), "23:59");
}

TEST(DateAndTimeText, JoinedWithSeparator) {
    const String joined = FormatDateTimeJoined(
        MakeDateTime(2001, 3, 5, Hms(14, 5, 9), kUniversalTime), kTimeToSecond, true, TXT(" "));
    EXPECT_EQ(Utf8(joined), "05.03.2001 14:05:09 UT");
    const String dashes = FormatDateTimeJoined(MakeDateTime(2001, 3, 5, kNoTimeHours),
                                               kTimeToMinute, true, TXT(", "));
    EXPECT_EQ(Utf8(dashes), "--.--.--, --:--");
}

TEST(DateText, LocaleShortDateComesFromTheStorageService) {
    FixedClockApplication application;
    String out;
    EXPECT_TRUE(FormatDateLocaleShort(MakeDateTime(2001, 3, 5), out));
    EXPECT_EQ(Utf8(out), "2001/3/5");
}

TEST(DateText, LocaleShortDateFailureGivesEmptyText) {
    FixedClock::Setting setting;
    setting.shortDateWorks = false;
    FixedClockApplication application(setting);
    String out(TXT("stale"));
    EXPECT_FALSE(FormatDateLocaleShort(MakeDateTime(2001, 3, 5), out));
    EXPECT_EQ(Utf8(out), "");
}

struct ParseDateCase {
    const char* label;
    const Char* text;
    bool accepted;
    int year, month, day;
};

class ParseDates : public testing::TestWithParam<ParseDateCase> {};

TEST_P(ParseDates, AcceptsOnlyValidDayMonthYear) {
    const ParseDateCase& c = GetParam();
    const DateTime before = MakeDateTime(1999, 9, 9, 7.25, kLocalSiderealTime);
    DateTime record = before;
    EXPECT_EQ(DateTimeParseDate(record, c.text), c.accepted);
    const DateTime expected = c.accepted
                                  ? MakeDateTime(c.year, c.month, c.day, 7.25, kLocalSiderealTime)
                                  : before;
    EXPECT_TRUE(DateTimeEqual(record, expected)) << testing::PrintToString(record);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDates,
    testing::Values(
        ParseDateCase{"Short", TXT("5.3.2001"), true, 2001, 3, 5},
        ParseDateCase{"Padded", TXT("05.03.2001"), true, 2001, 3, 5},
        ParseDateCase{"LeapDay", TXT("29.2.2000"), true, 2000, 2, 29},
        ParseDateCase{"FirstValidDay", TXT("1.1.1583"), true, 1583, 1, 1},
        ParseDateCase{"LastValidDay", TXT("31.12.3000"), true, 3000, 12, 31},
        ParseDateCase{"TextAfterYearIgnored", TXT("5.3.2001 12:00"), true, 2001, 3, 5},
        ParseDateCase{"Dashes", TXT("5-3-2001"), false, 0, 0, 0},
        ParseDateCase{"MixedSeparators", TXT("5.3/2001"), false, 0, 0, 0},
        ParseDateCase{"ThirtyFirstOfApril", TXT("31.4.2001"), false, 0, 0, 0},
        ParseDateCase{"CommonYearLeapDay", TXT("29.2.2001"), false, 0, 0, 0},
        ParseDateCase{"BeforeRange", TXT("1.1.1582"), false, 0, 0, 0},
        ParseDateCase{"AfterRange", TXT("1.1.3001"), false, 0, 0, 0},
        ParseDateCase{"TooShort", TXT("5.3"), false, 0, 0, 0},
        ParseDateCase{"TrailingPoint", TXT("5.3."), false, 0, 0, 0},
        ParseDateCase{"MonthThirteen", TXT("1.13.2001"), false, 0, 0, 0},
        ParseDateCase{"DayZero", TXT("0.3.2001"), false, 0, 0, 0},
        ParseDateCase{"NegativeDay", TXT("-5.3.2001"), false, 0, 0, 0},
        ParseDateCase{"HugeYear", TXT("5.3.99999999999"), false, 0, 0, 0},
        ParseDateCase{"Empty", TXT(""), false, 0, 0, 0},
        ParseDateCase{"Words", TXT("today"), false, 0, 0, 0}),
    [](const testing::TestParamInfo<ParseDateCase>& info) { return info.param.label; });

struct ParseTimeCase {
    const char* label;
    const Char* text;
    bool accepted;
    double hours;
};

class ParseTimes : public testing::TestWithParam<ParseTimeCase> {};

TEST_P(ParseTimes, AcceptsHoursMinutesAndOptionalSeconds) {
    const ParseTimeCase& c = GetParam();
    const DateTime before = MakeDateTime(2001, 3, 5, 7.25, kLocalCivilTime);
    DateTime record = before;
    EXPECT_EQ(DateTimeParseTime(record, c.text), c.accepted);
    if (c.accepted) {
        EXPECT_NEAR(record.hours, c.hours, kHoursTolerance);
        EXPECT_EQ(record.day, 5);
        EXPECT_EQ(record.timeSystem, kLocalCivilTime);
    } else {
        EXPECT_TRUE(DateTimeEqual(record, before)) << testing::PrintToString(record);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseTimes,
    testing::Values(
        ParseTimeCase{"HoursAndMinutes", TXT("9:05"), true, Hms(9, 5, 0)},
        ParseTimeCase{"WithSeconds", TXT("09:05:30"), true, Hms(9, 5, 30)},
        ParseTimeCase{"LastSecond", TXT("23:59:59"), true, Hms(23, 59, 59)},
        ParseTimeCase{"TextAfterSecondsIgnored", TXT("9:05:30 UT"), true, Hms(9, 5, 30)},
        ParseTimeCase{"Hour24Minute1", TXT("24:01"), false, 0},
        ParseTimeCase{"HourAlone", TXT("9"), false, 0},
        ParseTimeCase{"ColonAtEnd", TXT("9:"), false, 0},
        ParseTimeCase{"MinuteSixty", TXT("9:60"), false, 0},
        ParseTimeCase{"SecondSixty", TXT("9:05:60"), false, 0},
        ParseTimeCase{"SecondColonAtEnd", TXT("9:05:"), false, 0},
        ParseTimeCase{"NegativeHour", TXT("-1:00"), false, 0},
        ParseTimeCase{"NegativeMinute", TXT("1:-5"), false, 0},
        ParseTimeCase{"Point", TXT("9.05"), false, 0},
        ParseTimeCase{"MixedSeparators", TXT("9:05.30"), false, 0},
        ParseTimeCase{"TrailingLetter", TXT("9:05x"), false, 0},
        ParseTimeCase{"HourTwentyFive", TXT("25:00"), false, 0},
        ParseTimeCase{"Overflow", TXT("4294967296:00"), false, 0},
        ParseTimeCase{"Empty", TXT(""), false, 0}),
    [](const testing::TestParamInfo<ParseTimeCase>& info) { return info.param.label; });

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
// day of the valid range and for every second of a day.
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
        String text;
        FormatTime(kTimeToSecond, time, false, kRoundToNextDay, nullptr, text);
        DateTime parsed = MakeDateTime(2001, 3, 5, 99.0);
        ASSERT_TRUE(DateTimeParseTime(parsed, text.Text())) << Utf8(text);
        String again;
        FormatTime(kTimeToSecond, parsed, false, kRoundToNextDay, nullptr, again);
        ASSERT_EQ(Utf8(again), Utf8(text));
        ASSERT_NEAR(parsed.hours, time.hours, 1e-9) << Utf8(text);
    }
}

TEST(RoundTrip, EveryMinuteReadsBackFromItsText) {
    for (int minute = 0; minute < 1440; ++minute) {
        const DateTime time = MakeDateTime(2001, 3, 5, minute / 60.0);
        String text;
        FormatTime(kTimeToMinute, time, false, kTruncateTime, nullptr, text);
        DateTime parsed = time;
        ASSERT_TRUE(DateTimeParseTime(parsed, text.Text())) << Utf8(text);
        ASSERT_NEAR(parsed.hours, time.hours, 1e-9) << Utf8(text);
    }
}

}  // namespace
}  // namespace corvinata
