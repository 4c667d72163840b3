#include "base/event_time.h"

namespace corvinata {
namespace {

constexpr CoordinateSystemTable kCoordinateSystems = {
    kInvalidCoordinateSystem,
    {TXT("Equatorial"), TXT("Ecliptical"), TXT("Horizontal"), TXT("Galactic"), TXT("Invalid")},
    {TXT("EQU"), TXT("ECL"), TXT("HOR"), TXT("GAL"), TXT("Invalid")},
    {TXT("Right ascension"), TXT("Longitude"), TXT("Azimuth"), TXT("Longitude"), TXT("Invalid")},
    {TXT("Declination"), TXT("Latitude"), TXT("Altitude"), TXT("Latitude"), TXT("Invalid")},
};

// Callers pass the coordinate-system field of a record; anything outside the
// table is shown as the "Invalid" row rather than read past its end.
int RowOf(int index) noexcept {
    return (index >= 0 && index <= kCoordinateSystems.count) ? index : kInvalidCoordinateSystem;
}

}  // namespace

const CoordinateSystemTable& CoordinateSystemNames() noexcept { return kCoordinateSystems; }

const Char* GetCoordinateSystemName(int index) noexcept {
    return kCoordinateSystems.names[RowOf(index)];
}

const Char* GetCoordinateSystemCode(int index) noexcept {
    return kCoordinateSystems.codes[RowOf(index)];
}

const Char* GetCoordinateSystemFirstAxisName(int index) noexcept {
    return kCoordinateSystems.firstAxisNames[RowOf(index)];
}

const Char* GetCoordinateSystemSecondAxisName(int index) noexcept {
    return kCoordinateSystems.secondAxisNames[RowOf(index)];
}

int FindCoordinateSystemByName(const Char* text) noexcept {
    for (int i = 0; i <= kCoordinateSystems.count; ++i) {
        if (TextEquals(kCoordinateSystems.names[i], text)) return i;
    }
    return kCoordinateSystems.count + 1;
}

void EventTimeInit(EventTime& record) noexcept {
    record.dateTime = DateTime{};
    record.state = kEventTimeNotComputed;
}

void EventTimeFromDateTime(const DateTime& source, EventTime& target) noexcept {
    if (source.hours != kNoTimeHours) target.state = kEventTimeFound;
    DateTimeAssign(target.dateTime, source);
}

}  // namespace corvinata
