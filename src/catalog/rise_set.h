// Rising, setting, culmination and twilight times of a body for a day, after
// Meeus, Astronomical Algorithms, ch. 15: the body's places at 0 h UT of
// three consecutive days, the approximate times from the hour angle of the
// standard altitude, and one correction pass with interpolated places.
#pragma once

#include <cstdint>

#include "base/date_time.h"
#include "base/geo_place.h"

namespace corvinata {

class CelestialObject;
class PropertyMap;

// Flags of an event record.
enum RiseSetFlag : std::int32_t {
    kEventAboveHorizon = 0,   // did not occur: the body stays above all day
    kEventBelowHorizon = 1,   // did not occur: the body stays below all day
    kEventOccurs = 2,
    kEventNotComputed = 3,
};

// States of a rise-and-set pair.
enum RiseSetState : std::int32_t {
    kAlwaysAbove = 0,
    kAlwaysBelow = 1,
    kNoSet = 2,
    kNoRise = 3,
    kRiseAndSet = 4,
    kRiseSetNotComputed = 5,
};

// One event: its date and time (hours kNoTimeHours when it does not occur)
// and a RiseSetFlag.
struct EventRecord {
    DateTime dateTime{kFirstValidYear, 1, 1, 0.0, kInvalidTimeSystem};
    std::int32_t flag = kEventNotComputed;
};

// Rise and set of one day and what they tell together.
class RiseSetPair {
public:
    const EventRecord& Rise() const noexcept { return rise_; }
    const EventRecord& Set() const noexcept { return set_; }
    std::int32_t State() const noexcept { return state_; }

    // Each setter recomputes the state from both records.
    void SetRise(const EventRecord& event) noexcept;
    void SetSet(const EventRecord& event) noexcept;
    // For a day that could not be computed (the ends of the valid years).
    void MarkNotComputed() noexcept;

private:
    void UpdateState() noexcept;

    EventRecord rise_;
    EventRecord set_;
    std::int32_t state_ = kRiseSetNotComputed;
};

// The pair from the Rise and Set properties of a map (each time kind value
// with its time system and flag; the date is that of `day`).
RiseSetPair RiseSetPairFromMap(const PropertyMap& map, const DateTime& day);

// Standard altitude of the body type in degrees: the Sun -0.8333 (refraction
// and semidiameter), the Moon 0.125 (with its mean parallax), planets, stars
// and deep-sky objects -0.5667 (refraction), 0 otherwise.
double StandardAltitude(int bodyType) noexcept;

// The events of the universal-time day of `moment` (its hours are not read)
// at the altitude h0 (degrees): rise and set, and the upper transit, which is
// computed for a body that never rises or never sets as well. Events found
// by the correction pass outside the day carry the neighbouring date. Times
// are in Universal time.
void FindEventTime(const CelestialObject& body, const TimeAndPlace& moment, double h0,
                   RiseSetPair& riseSet, EventRecord& transit);

// The events of the day of `moment` in the time system `timeSystem` (the
// invalid system counts as Universal time): an event that the
// universal-time day gives on a neighbouring local date is looked for in the
// neighbouring universal-time day, and does not occur that day when it is
// not found there either (hours kNoTimeHours, flag kEventAboveHorizon).
// Times stay in Universal time.
struct DayEvents {
    RiseSetPair riseSet;
    EventRecord transit;
};
DayEvents FindDayEvents(const CelestialObject& body, const TimeAndPlace& moment,
                        int timeSystem, double h0);

// Stores an event into a raw map: hours counted from 0 h UT of `utDate` (so
// an event of a neighbouring day keeps its date) with the event's flag, or
// kNoTimeHours when it does not occur.
void StoreEventTime(PropertyMap& raw, std::uint32_t id, const EventRecord& event,
                    const DateTime& utDate);

// The Rise, Set and Culmination properties of `mask` for the body at its
// standard altitude, into `raw` (times in Universal time).
void ComputeRiseSetCulmination(const CelestialObject& body, const TimeAndPlace& moment,
                               std::uint32_t mask, int timeSystem, PropertyMap& raw);

}  // namespace corvinata
