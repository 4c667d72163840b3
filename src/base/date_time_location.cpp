#include "base/date_time_location.h"

namespace corvinata {

void DateTimeLocationInit(DateTimeLocation& record) {
    record.dateTime = DateTime{};
    LocationInit(record.location);
    record.daylightSaving = false;
}

DateTimeLocation& DateTimeLocationAssign(DateTimeLocation& dest, const DateTimeLocation& src) {
    if (&dest == &src) return dest;
    DateTimeAssign(dest.dateTime, src.dateTime);
    LocationAssign(dest.location, src.location);
    dest.daylightSaving = src.daylightSaving;
    return dest;
}

void TimeAndPlaceFromDateTimeLocation(TimeAndPlace& out, const DateTimeLocation& record) noexcept {
    TimeAndPlaceInit(out, record.dateTime, record.location.coordinates, record.daylightSaving);
}

}  // namespace corvinata
