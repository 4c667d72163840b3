// EventTimePair: two moments of one event and a code that says what the two
// tell together. The rising and setting times that the reports and the
// explorer panels show are such a pair: `first` the rising, `second` the
// setting, `code` a RiseSetState.
#pragma once

#include <cstdint>

#include "base/event_time.h"

namespace corvinata {

// What a rising and a setting tell together (the `code` of their pair).
enum RiseSetState : std::int32_t {
    kAlwaysAbove = 0,
    kAlwaysBelow = 1,
    kNoSet = 2,
    kNoRise = 3,
    kRiseAndSet = 4,
    kRiseSetNotComputed = 5,
};

struct EventTimePair {
    EventTime first;
    EventTime second;
    std::int32_t code = kRiseSetNotComputed;
};

// Copies `first` and `second` (skipped when target and source are the same
// record), then `code`.
void EventTimePairAssign(EventTimePair& target, const EventTimePair& source) noexcept;

}  // namespace corvinata
