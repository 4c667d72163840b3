// DateTime: the one calendar value of the program.
//
// A plain record of the Gregorian calendar (applied to every year), the time
// of day in decimal hours and the time system in which those hours count.
// Valid dates run from 1 January 1583 to 31 December 3000, both included.
// Every adder works on a copy and stores it only on success, so a record that
// an operation refuses is left exactly as it was.
#pragma once

#include <cstdint>

namespace corvinata {

struct TimeStep;

// The time systems in which the hours of a DateTime are counted; their names
// and codes are in time_systems.h.
enum TimeSystemId : std::int32_t {
    kUniversalTime = 0,
    kGreenwichSiderealTime = 1,
    kLocalCivilTime = 2,
    kLocalSiderealTime = 3,
    kInvalidTimeSystem = 4,
};

// Hours of exactly this value mark a record without a time (an event that
// does not occur, a value that was not computed).
constexpr double kNoTimeHours = -1.0;

constexpr std::int32_t kFirstValidYear = 1583;
constexpr std::int32_t kLastValidYear = 3000;

struct DateTime {
    std::int32_t year = kFirstValidYear;
    std::int32_t month = 1;   // 1..12
    std::int32_t day = 1;     // 1..length of the month
    double hours = 0.0;       // 0 <= hours < 24 once normalised
    std::int32_t timeSystem = kInvalidTimeSystem;
};

// Gregorian rule: divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(std::int32_t year) noexcept;
// Year within 1583..3000, month 1..12, day within the month; hours and time
// system play no part.
bool IsValidDate(const DateTime& record) noexcept;
// Length of the record's month in its year (0 for a month outside 1..12).
int DateTimeDaysInMonth(const DateTime& record) noexcept;
// Running day number: 1 for 1 January .. 365 or 366 for 31 December.
int DateTimeDayOfYear(const DateTime& record) noexcept;
// Sets month and day from day number n of the record's year; fails for n
// outside the year.
bool DateTimeSetDayOfYear(DateTime& record, int n) noexcept;

// Adders: false, and the record unchanged, when the result would leave the
// years 1583..3000. The time adders return normalised hours; the day, month
// and year adders leave the hours as they are.
bool DateTimeAddSeconds(DateTime& record, std::int32_t n) noexcept;
bool DateTimeAddMinutes(DateTime& record, std::int32_t n) noexcept;
bool DateTimeAddHours(DateTime& record, std::int32_t n) noexcept;
bool DateTimeAddFractionalHours(DateTime& record, double h) noexcept;
bool DateTimeAddDays(DateTime& record, std::int32_t n) noexcept;
// The day is clamped to the length of the month reached (31 January + 1
// month = 28 or 29 February).
bool DateTimeAddMonths(DateTime& record, std::int32_t n) noexcept;
// 29 February + 1 year = 28 February.
bool DateTimeAddYears(DateTime& record, std::int32_t n) noexcept;
// Adds step.count units of step.unit (0 seconds .. 5 years); fails for any
// other unit.
bool AddDateTimeInterval(DateTime& record, const TimeStep& step) noexcept;
// Brings the hours into 0..24 and carries whole days into the date. When the
// carry would leave the valid years the record is left unchanged (false): its
// un-normalised hours still name the right moment, which a reduced time on the
// old date would not.
bool NormaliseDateTime(DateTime& record) noexcept;
// A time of 24 h, the midnight that ends the record's day, as 0 h of the
// next day. The last valid day has no next day: there the time is held at
// 23:59:59 of that day. Any other time is left as it is.
void CarryDayEnd(DateTime& record) noexcept;

void DateTimeCopy(DateTime& target, const DateTime& source) noexcept;
// The integer the settings bind as "Time System": the record's time system.
constexpr std::int32_t GetIntField(const DateTime& record) noexcept { return record.timeSystem; }
DateTime& DateTimeAssign(DateTime& target, const DateTime& source) noexcept;

// All five fields, hours compared exactly.
bool DateTimeEqual(const DateTime& a, const DateTime& b) noexcept;
bool DateTimeDiffers(const DateTime& a, const DateTime& b) noexcept;
// Calendar order ignoring the time system: convert both records to one system
// first where that matters.
bool DateTimeIsEarlier(const DateTime& a, const DateTime& b) noexcept;
// True when the records differ in any field and a is not earlier than b, so
// equal moments in different time systems count as later both ways.
bool DateTimeIsLater(const DateTime& a, const DateTime& b) noexcept;

// Wrap-around steps of the date picker: the day (month and year kept) and the
// month (year kept, day clamped to the new month).
void DateStepDay(DateTime& record, bool up) noexcept;
void DateStepMonth(DateTime& record, bool up) noexcept;

// The computer's present local time, in Local civil time, from the storage
// service's clock. False when the clock cannot be read; the record then holds
// no valid date.
bool DateTimeSetToNow(DateTime& record);

}  // namespace corvinata
