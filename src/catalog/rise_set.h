// Rising, setting, culmination and twilight times of a body for a day. The
// body's place is computed every six hours around the day and interpolated;
// the altitude over the day brackets every crossing of the event altitude,
// each refined within its bracket, so that a body that only grazes the
// altitude gets exactly the crossings it makes. The upper transit follows
// Meeus, Astronomical Algorithms, ch. 15. Sidereal time runs on Universal
// time, the places on dynamical time (through the property evaluation).
#pragma once

#include <cstdint>

#include "base/date_time.h"
#include "base/event_time.h"
#include "base/event_time_pair.h"
#include "base/geo_place.h"

namespace corvinata {

class CelestialObject;
class PropertyMap;

// States of one event time (the EventTime's `state`): an event that did not
// occur is flagged by the side of the horizon the body keeps.
enum RiseSetFlag : std::int32_t {
    kEventAboveHorizon = 0,   // did not occur: the body stays above all day
    kEventBelowHorizon = 1,   // did not occur: the body stays below all day
    kEventOccurs = kEventTimeFound,
    kEventNotComputed = kEventTimeNotComputed,
};

// The pair of a rising and a setting (hours kNoTimeHours for an event that
// does not occur), its code the RiseSetState the two give together.
EventTimePair RiseSetEvents(const EventTime& rise, const EventTime& set) noexcept;
// For a day that could not be computed (the ends of the valid years).
EventTimePair NotComputedRiseSet() noexcept;

// The pair from the Rise and Set properties of a map (each time kind value
// with its time system and flag; the date is that of `day`).
EventTimePair RiseSetEventsFromMap(const PropertyMap& map, const DateTime& day);

// Standard altitude of the body type in degrees: the Sun -0.8333 (refraction
// and semidiameter), the Moon 0.125 (with its mean parallax), planets, stars
// and deep-sky objects -0.5667 (refraction), 0 otherwise.
double StandardAltitude(int bodyType) noexcept;

// The events of the universal-time day of `moment` (its hours are not read)
// at the altitude h0 (degrees): the first rise and the first set within the
// day, and the upper transit, which is computed for a body that never rises
// or never sets as well. Without a crossing of a direction that event does
// not occur, flagged by the side of h0 the body keeps (both missing: always
// above or always below). Times are in Universal time.
void FindEventTime(const CelestialObject& body, const TimeAndPlace& moment, double h0,
                   EventTimePair& riseSet, EventTime& transit);

// The events of the day of `moment` in the time system `timeSystem` (the
// invalid system counts as Universal time): the first rise and set among the
// crossings of the universal-time days that the date overlaps which fall on
// that date; the transit of the universal-time day, or of its neighbour when
// it falls on another date. Times stay in Universal time.
struct DayEvents {
    EventTimePair riseSet;
    EventTime transit;
};
DayEvents FindDayEvents(const CelestialObject& body, const TimeAndPlace& moment,
                        int timeSystem, double h0);

// Stores an event into a raw map: hours counted from 0 h UT of `utDate` (so
// an event of a neighbouring day keeps its date) with the event's flag, or
// kNoTimeHours when it does not occur.
void StoreEventTime(PropertyMap& raw, std::uint32_t id, const EventTime& event,
                    const DateTime& utDate);

// The Rise, Set and Culmination properties of `mask` for the body at its
// standard altitude, into `raw` (times in Universal time).
void ComputeRiseSetCulmination(const CelestialObject& body, const TimeAndPlace& moment,
                               std::uint32_t mask, int timeSystem, PropertyMap& raw);

}  // namespace corvinata
