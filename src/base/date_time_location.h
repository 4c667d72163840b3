// DateTimeLocation: the moment a window or report shows, with the full named
// place (town and country included) and whether daylight saving time is in
// effect there. It becomes a TimeAndPlace before anything is computed.
#pragma once

#include "base/date_time.h"
#include "base/geo_place.h"
#include "base/location.h"

namespace corvinata {

struct DateTimeLocation {
    DateTime dateTime;
    Location location;
    bool daylightSaving = false;
};

// 1583-01-01 0 h in the invalid time system, the empty place, no daylight
// saving time.
void DateTimeLocationInit(DateTimeLocation& record);
// The moment, then the place by LocationAssign (dest keeps the mode words of
// its longitude and latitude), then the flag. Assigning a record to itself
// changes nothing.
DateTimeLocation& DateTimeLocationAssign(DateTimeLocation& dest, const DateTimeLocation& src);
// The record's moment, its coordinates (with their mode words) and its flag;
// town and country stay behind.
void TimeAndPlaceFromDateTimeLocation(TimeAndPlace& out, const DateTimeLocation& record) noexcept;

}  // namespace corvinata
