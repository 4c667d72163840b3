#include "base/event_time_pair.h"

namespace corvinata {

void EventTimePairAssign(EventTimePair& target, const EventTimePair& source) noexcept {
    if (&target != &source) {
        DateTimeAssign(target.first.dateTime, source.first.dateTime);
        target.first.state = source.first.state;
        DateTimeAssign(target.second.dateTime, source.second.dateTime);
        target.second.state = source.second.state;
    }
    target.code = source.code;
}

}  // namespace corvinata
