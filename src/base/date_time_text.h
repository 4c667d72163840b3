// Date and time as text: every date and time the program shows is written
// here, and every one the user types is read here.
//
// Dates are written day first with points ("05.03.2001"), times with colons
// ("14:05:09"), each to a precision the caller chooses; a record without a
// time (kNoTimeHours) is written as dashes. Rounding seconds or minutes can
// push a time to 24 h; the caller chooses whether that wraps to the next day
// or is held at the end of the day.
#pragma once

#include <cstdint>

#include "base/date_time.h"
#include "base/text_char.h"

namespace corvinata {

class String;
class TextScanner;

// Time precisions, and the date precisions after them: together the six units
// of a TimeStep, so that a moment can be shown to the precision of a step.
enum DateTimePrecision : std::int32_t {
    kTimeToSecond = 0,   // HH:MM:SS
    kTimeToMinute = 1,   // HH:MM
    kTimeToHour = 2,     // HH
    kDateToDay = 3,      // DD.MM.Y
    kDateToMonth = 4,    // MM.Y
    kDateToYear = 5,     // Y
};

// What happens to the seconds (and minutes) that the precision drops.
enum TimeRounding : std::int32_t {
    kTruncateTime = 0,       // dropped; 23:59:59.9 at minutes is 23:59
    kRoundToNextDay = 1,     // rounded; 24:00 becomes 00:00 of the next day
    kRoundHoldDayEnd = 2,    // rounded; 24:00 is held at 23:59:59
    kRoundKeep24 = 3,        // rounded; 24:00 stays (any other non-zero value too)
};

// Split of decimal hours into hours, minutes and seconds, the seconds
// snapped to ten nanoseconds, more than date arithmetic and time-zone
// changes lose and well below a microsecond, so that times given in whole
// or half seconds, typed or reached by arithmetic, split exactly. Hours
// beyond a million either way count as a million, and hours that are no
// number as 0, so that any double gives a defined text.
void HoursToHms(double hours, int& h, int& m, double& s) noexcept;
// The split of the record's hours, with seconds a hair below 60 (within a
// millisecond) carried into the next minute: 10 h 59 min 59.9995 s gives
// 11:00:00.
void DateTimeToHms(const DateTime& record, int& h, int& m, double& s) noexcept;
// The hours, minutes and whole seconds to show at a time precision (0..2;
// values beyond count as the nearest) with a rounding mode. `nextDay`, when
// given, is set when the time wrapped to the next day.
void DateTimeRoundedHms(const DateTime& record, int& h, int& m, int& s, int roundingMode,
                        int precision, bool* nextDay) noexcept;

// Replaces `out` by the time at a time precision ("14:05:09", "14:05",
// "14"), followed by a blank and the time-system code when asked ("14:05
// LCT"). A record without a time gives "--:--:--", "--:--" or "--" and
// neither code nor next-day flag. Answers `out`.
String& FormatTime(int precision, const DateTime& record, bool appendSystemCode,
                   int roundingMode, bool* nextDay, String& out);
// The program writes its dates and times in this form of its own, not by
// the system's formats, which stay as the user set them for every program.
// Replaces `out` by the date at a date precision ("05.03.2001", "03.2001",
// "2001"); "--.--.--" for a record without a time. Another precision leaves
// `out` as it was. Answers `out`.
String& FormatDate(const DateTime& record, int precision, String& out);
// The date (to the day) and the time of the record, the time rounded with
// wrap to the next day and the date moved along with it: 31.12.2000
// 23:59:40 at minutes is "01.01.2001" and "00:00". At the last valid day,
// where the date cannot move, the time is held at the end of the day.
void FormatDateAndTime(const DateTime& record, String& date, String& time,
                       bool appendSystemCode, int precision);
// Date, separator and time of FormatDateAndTime as one text.
String FormatDateTimeJoined(const DateTime& record, int precision, bool appendSystemCode,
                            const Char* separator);
// The date in the user's short date format of the operating system, through
// the storage service's locale formatter; false and an empty text when it
// cannot be formatted.
bool FormatDateLocaleShort(const DateTime& record, String& out);

// Reads "D.M.Y" (day, month and year as integers, the two separators "."):
// "5.3.2001", "05.03.2001". The date must be valid; hours and time system are
// kept; text after the year is not looked at. False, and the record
// unchanged, for anything else.
bool DateTimeParseDate(DateTime& record, const Char* text);
// As DateTimeParseDate, for a text that holds the date alone: the three
// numbers read as DateTimeParseDate reads them ("+1.2.2026", "1. 2. 2026"),
// white space after the year allowed; anything else after the year is
// refused rather than dropped unread.
bool DateTimeParseDateAlone(DateTime& record, const Char* text);
// Reads "H:M" or "H:M:S" with unsigned numbers, 0..23, 0..59, 0..59, or
// exactly 24:00(:00), which is 0 h of the next day. The date (except for
// 24:00) and the time system are kept; text after the seconds is not looked
// at. False, and the record unchanged, for anything else, also for 24:00 on
// the last valid day.
bool DateTimeParseTime(DateTime& record, const Char* text);
// A time of day typed or sent as text, read whole: "H:M", "H:M:S" or
// "H:M:S.F" (digits only, seconds with an optional fraction), 0..23, 0..59,
// 0..59 (the fraction below one second), or exactly 24:00:00, with white
// space around it allowed. Answers the hours, 0 to 24; anything else after
// the time (a time system's name, a further colon group) is refused rather
// than dropped unread. `hours` is untouched on failure.
bool ParseTimeOfDay(const Char* text, double& hours);
// ParseTimeOfDay into the record's hours, 24:00 being 0 h of the next day;
// the date otherwise and the time system are kept. False, and the record
// unchanged, for a text ParseTimeOfDay refuses and for 24:00 on the last
// valid day.
bool DateTimeParseTimeAlone(DateTime& record, const Char* text);

// The scanner step that reads an unsigned decimal number at the scanner's
// position into `receiver`: optional white space, an optional "+", digits.
// A "-", no digit, or a value of 2147483647 or more fails (`ok` cleared). On
// success the position moves past the number and the match count grows.
TextScanner& ReadUnsigned(TextScanner& scanner, int& receiver) noexcept;

}  // namespace corvinata
