#include "base/date_time_range.h"

namespace corvinata {

void DateTimeRangeInit(DateTimeRange& range, std::int32_t timeSystem) noexcept {
    DateTime start;
    start.timeSystem = timeSystem;
    range.begin = start;
    range.end = start;
}

void DateTimeRangeSet(DateTimeRange& range, const DateTime& begin, const DateTime& end) noexcept {
    DateTimeAssign(range.begin, begin);
    DateTimeAssign(range.end, end);
}

const DateTime& DateTimeRangeSetBeginFromRange(DateTimeRange& range, const DateTimeRange& other,
                                               const DateTime& end) noexcept {
    DateTimeAssign(range.begin, other.begin);
    DateTimeAssign(range.end, end);
    return range.end;
}

}  // namespace corvinata
