// A range of two moments: the span of an Event Finder search or of an event
// found.
#pragma once

#include <cstdint>

#include "base/date_time.h"

namespace corvinata {

struct DateTimeRange {
    DateTime begin;
    DateTime end;
};

// Both ends become 1583-01-01, 0 h, in `timeSystem`.
void DateTimeRangeInit(DateTimeRange& range, std::int32_t timeSystem) noexcept;
void DateTimeRangeSet(DateTimeRange& range, const DateTime& begin, const DateTime& end) noexcept;
// Takes the begin of `other` and the given end (either may be `range`'s own)
// and answers the new end.
const DateTime& DateTimeRangeSetBeginFromRange(DateTimeRange& range, const DateTimeRange& other,
                                               const DateTime& end) noexcept;

}  // namespace corvinata
