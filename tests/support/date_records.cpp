#include "support/date_records.h"

namespace corvinata::test {

DateTime MakeDateTime(std::int32_t year, std::int32_t month, std::int32_t day, double hours,
                      std::int32_t timeSystem) {
    DateTime record;
    record.year = year;
    record.month = month;
    record.day = day;
    record.hours = hours;
    record.timeSystem = timeSystem;
    return record;
}

}  // namespace corvinata::test
