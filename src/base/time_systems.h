// Time systems, sidereal time and Julian days of a DateTime.
//
// A DateTime counts its hours in one of four time systems, which stand on one
// chain: Local civil time -> Universal time -> Greenwich sidereal time ->
// Local sidereal time. The sidereal steps follow the low-precision method of
// Duffett-Smith, Practical Astronomy with your Calculator (a constant per
// year, a rate per day and one per hour); they change the hours only, never
// the date. Julian days use the Gregorian calendar for every date (Meeus,
// Astronomical Algorithms, ch. 7).
#pragma once

#include <cstdint>

#include "base/date_time.h"
#include "base/text_char.h"

namespace corvinata {

class String;
class LongitudeValue;
class TimeZoneValue;

// The table of time systems: `count` real systems (also the index of the
// "Invalid" row), then the names and codes of rows 0..count.
struct TimeSystemTable {
    int count;
    const Char* names[5];
    const Char* codes[5];
};

// The one table; constant data, so nothing has to be built at start-up.
const TimeSystemTable& TimeScaleNames() noexcept;

// "Universal time" .. "Invalid" and "UT", "GST", "LCT", "LST", "Invalid" for
// the record's time-system field 0..4; a value outside 0..4 gives the
// "Invalid" row.
const Char* GetTimeSystemName(int index) noexcept;
const Char* GetTimeSystemCode(int index) noexcept;
// Index of the first code equal to the text, exact and case-sensitive; 5 (one
// past the last row) when none matches.
int FindTimeSystemByCode(const Char* text) noexcept;

// Converts the hours of the record to the target time system for a place and
// sets its time-system field. A LongitudeValue holds its degrees west
// positive whatever its orientation word (the word only decides how the user
// types and reads it), so the place is the same in either orientation. The
// zone is the offset of local civil time from Universal time, positive east;
// daylight saving adds one hour to local civil time. A record without a time
// (kNoTimeHours) only takes the new time-system field. A record in the
// invalid system is taken as local civil time, and the invalid target gives
// local civil time. Only the civil steps may move the date; one that would
// leave the valid years stops at the first or last valid instant (1 January
// 1583 0:00:00, 31 December 3000 23:59:59) and the answer is false, so the
// record always stays valid. Otherwise true.
bool ConvertTimeSystem(DateTime& record, std::int32_t target, const LongitudeValue& longitude,
                       const TimeZoneValue& zone, bool daylightSaving);
// The same with plain numbers: longitude in degrees, positive west of
// Greenwich; zone in hours, positive east.
bool ConvertTimeSystemAt(DateTime& record, std::int32_t target, double westLongitudeDegrees,
                         double zoneHours, bool daylightSaving) noexcept;

// Hours of Universal time to Greenwich sidereal time of the same date
// (time system 1), and back (time system 0). Accurate to about a second of
// time over the valid years.
void ConvertToSiderealTime(DateTime& record) noexcept;
void ConvertFromSiderealTime(DateTime& record) noexcept;
// The constant B (hours) of the record's year used by the two conversions:
// 24 minus the sidereal time at 0 h UT of 0 January, reduced by whole days.
double SiderealTimeYearConstant(const DateTime& record) noexcept;

// Julian day of year, month, day and hours as they stand (hours outside 0..24
// included); the time-system field is ignored.
double DateTimeToJulianDay(const DateTime& record) noexcept;
// Calendar date and hours of a Julian day, in Universal time; the Julian
// calendar applies before 15 October 1582.
DateTime JulianDayToDateTime(double julianDay) noexcept;
// Julian day of a minus Julian day of b, time systems ignored.
double DateTimeDifferenceDays(const DateTime& a, const DateTime& b) noexcept;

// The value with exactly three decimals, as the reports print Julian days.
void FormatNumber(double value, String& out);

}  // namespace corvinata
