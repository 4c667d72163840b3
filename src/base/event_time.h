// Names of the celestial coordinate systems, and the event-time record.
//
// Windows, panels, reports and scripts name a coordinate system by its index
// into one fixed table; the coordinate conversions number them the same way.
// An EventTime is a DateTime together with whether (and how) the event was
// found, as the rise, transit and set computations return it.
#pragma once

#include <cstdint>

#include "base/date_time.h"
#include "base/text_char.h"

namespace corvinata {

enum CoordinateSystemId : std::int32_t {
    kEquatorialSystem = 0,
    kEclipticalSystem = 1,
    kHorizontalSystem = 2,
    kGalacticSystem = 3,
    kInvalidCoordinateSystem = 4,
};

// The table of coordinate systems: `count` real systems (also the index of
// the "Invalid" row), then one column of texts per list, rows 0..count.
struct CoordinateSystemTable {
    int count;
    const Char* names[5];
    const Char* codes[5];
    const Char* firstAxisNames[5];
    const Char* secondAxisNames[5];
};

// The one table; constant data, so nothing has to be built at start-up.
const CoordinateSystemTable& CoordinateSystemNames() noexcept;

// The row's texts; index 0..4 (the record's coordinate-system field).
const Char* GetCoordinateSystemName(int index) noexcept;
const Char* GetCoordinateSystemCode(int index) noexcept;
const Char* GetCoordinateSystemFirstAxisName(int index) noexcept;
const Char* GetCoordinateSystemSecondAxisName(int index) noexcept;
// Index of the first display name (not code) equal to the text, exact and
// case-sensitive; 5 (one past the last row) when none matches.
int FindCoordinateSystemByName(const Char* text) noexcept;

enum EventTimeState : std::int32_t {
    kEventTimeFound = 2,
    kEventTimeNotComputed = 3,
};

struct EventTime {
    DateTime dateTime;   // hours kNoTimeHours when the event has no time
    std::int32_t state = kEventTimeNotComputed;
};

// 1583-01-01, 0 h, time system 4, not computed.
void EventTimeInit(EventTime& record) noexcept;
// Copies the date and time; a source with a time marks the event found, one
// without keeps the target's state.
void EventTimeFromDateTime(const DateTime& source, EventTime& target) noexcept;

}  // namespace corvinata
