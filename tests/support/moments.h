// The places and moments the property tests evaluate bodies at.
#pragma once

#include "base/geo_place.h"

namespace corvinata::test {

// A moment in Universal time (or `timeSystem`) at a place given east
// positive, as published tables give it.
inline TimeAndPlace MomentAt(int year, int month, int day, double hours, double eastLongitude,
                             double latitude, double zoneHours = 0.0,
                             int timeSystem = kUniversalTime) {
    TimeAndPlace moment;
    moment.dateTime = {year, month, day, hours, timeSystem};
    moment.place.longitude = LongitudeValue(-eastLongitude, kWestPositive);
    moment.place.latitude = LatitudeValue(latitude, kLatitudeHemisphereLetter);
    moment.place.timeZone.hours = zoneHours;
    return moment;
}

}  // namespace corvinata::test
