// The place and the moment of every astronomical computation.
//
// GeoCoordinates is a place on the Earth (longitude, latitude, time-zone
// offset, elevation); TimeAndPlace is one question to the astronomy code: a
// moment, a place and whether daylight saving time is in effect there. The
// time-zone offset of a place is written and read as text here as well.
#pragma once

#include <cstdint>

#include "base/angle_value.h"
#include "base/date_time.h"
#include "base/text_char.h"

namespace corvinata {

class String;

// Offset of local civil time from Universal time in hours, positive east of
// Greenwich: local civil time = universal time + hours (+ 1 during daylight
// saving time).
class TimeZoneValue {
public:
    double hours = 0.0;
};

// Copies only the hours.
void TypedValueAssign(TimeZoneValue& dest, const TimeZoneValue& src) noexcept;

// Limits of a time-zone offset, inclusive, wherever one is read or entered:
// the westernmost and easternmost zones of the town database's zone table.
constexpr double kMinTimeZoneHours = -12.0;
constexpr double kMaxTimeZoneHours = 13.0;

struct GeoCoordinates {
    LongitudeValue longitude{0.0, kWestPositive};           // degrees, west positive
    LatitudeValue latitude{0.0, kLatitudeHemisphereLetter};  // degrees, north positive
    TimeZoneValue timeZone;
    std::int32_t elevation = 0;                              // metres
};

// Resets a place to longitude 0 (orientation west positive), latitude 0 (side
// letters), time zone 0 and elevation 0.
void GeoCoordinatesInit(GeoCoordinates& place) noexcept;
// Same longitude, latitude, time-zone hours and elevation, compared exactly;
// the mode words (orientation, side style) play no part.
bool GeoCoordinatesEqual(const GeoCoordinates& a, const GeoCoordinates& b) noexcept;
std::int32_t GetElevation(const GeoCoordinates& place) noexcept;
void SetElevation(GeoCoordinates& place, std::int32_t metres) noexcept;

struct TimeAndPlace {
    DateTime dateTime;
    GeoCoordinates place;
    bool daylightSaving = false;
};

// Builds the record; the coordinates are copied with their mode words.
void TimeAndPlaceInit(TimeAndPlace& out, const DateTime& dateTime,
                      const GeoCoordinates& place, bool daylightSaving) noexcept;
// Copies the moment, the numbers of the place and the flag; dest keeps the
// mode words of its longitude and latitude.
TimeAndPlace& TimeAndPlaceAssign(TimeAndPlace& dest, const TimeAndPlace& src) noexcept;
// Same date, hours (exact), time system, place and flag.
bool TimeAndPlaceEqual(const TimeAndPlace& a, const TimeAndPlace& b) noexcept;
// Whether the two records name the same moment. Records in one time system
// are compared as they stand; otherwise the one that is not in Universal time
// is converted to it with b's place and flag. Two records of which neither is
// in Universal time and whose systems differ are never the same moment.
bool DateTimeSameMoment(const TimeAndPlace& a, const TimeAndPlace& b);

// Replaces `out` by the offset as "UT+1", "UT+5:30", "UT+0", "UT-3:30",
// "UT-0:30": the sign always stands before the hours, the minutes are
// rounded to the nearest minute and carried into the hours ("UT+6:00" for
// 5.999 hours); no minutes are written for a whole number of hours.
void FormatTimeZoneOffset(const TimeZoneValue& zone, String& out);
// The whole text one decimal number of hours within the limits ("5.5", " -3").
bool ParseTimeZoneHours(const Char* text, TimeZoneValue& target);
// "h:m" with integer hours and minutes ("5:30", "-3:30"), within the limits
// in all. A minus before the hours applies to the minutes as well, so "-3:30"
// and "-0:30" are -3.5 and -0.5; a minute count with its own minus
// ("-3:-30", "0:-30") is read the same way.
bool ParseTimeZoneHoursMinutes(const Char* text, TimeZoneValue& target);

}  // namespace corvinata
