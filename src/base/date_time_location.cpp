#include "base/date_time_location.h"

namespace corvinata {

void DateTimeLocationInit(DateTimeLocation& record) {
    record.dateTime = DateTime{};
    LocationInit(record.location);
    record.daylightSaving = false;
}

void TimeAndPlaceFromDateTimeLocation(TimeAndPlace& out, const DateTimeLocation& record) noexcept {
    TimeAndPlaceInit(out, record.dateTime, record.location.coordinates, record.daylightSaving);
}

}  // namespace corvinata
