// The Event Forecast computation: turns the chosen event groups into one
// search job with one predefined expression per event type and body (or
// pair of bodies), and runs it over the coming days, each expression refined
// within the day by its event type's step.
#pragma once

#include <cstdint>

#include "base/geo_place.h"
#include "tools/event_search.h"
#include "tools/event_types.h"

namespace corvinata::events {

// The option bits of the forecast, each enabling a group of event types.
enum ForecastGroup : std::uint32_t {
    kForecastMoonPhases = 0x1,        // 0-3
    kForecastSeasons = 0x2,           // 4-7
    kForecastEclipses = 0x4,          // 8, 9
    kForecastConjunctions = 0x8,      // 10, each pair of Mercury .. Saturn
    kForecastOppositions = 0x10,      // 11, each planet with the Sun
    kForecastQuadratures = 0x20,      // 12, each planet with the Sun
    kForecastPerihelia = 0x40,        // 13, 14, each planet and the Earth
    kForecastPerigees = 0x80,         // 15, 16, each planet
    kForecastVenusBrightest = 0x100,  // 17
    kForecastTransits = 0x200,        // 18, 19
    kForecastObservable = 0x400,      // 22, each planet
};

struct EventForecastJob {
    EventForecastJob();
    // The time and place of the last computation.
    TimeAndPlace computedFor;
    EventResultList results;
    bool wasStopped = false;
};

// How a forecast runs: its groups, how it reports (no result callback is
// used: the results are read from the job) and its pause after every day.
struct EventForecastRequest {
    std::uint32_t groups = 0;
    EventSearchCallbacks callbacks;
    std::uint32_t pauseMilliseconds = 50;
};

// Adds the predefined expression of `type` for the two bodies.
void AddForecastEvent(const EventType& type, const CelestialObject* body1,
                      const CelestialObject* body2, EventSearchJob& search);
// Adds the expressions that the groups ask for one event type.
void CollectEventTypeExpressions(const EventType& type, std::uint32_t groups,
                                 EventSearchJob& search);
// Forecasts from the date of `when` (from 0 h) to `to` at its place; the
// results go into the job. Returns when done or stopped.
void RunEventForecast(const TimeAndPlace& when, EventForecastJob& job, const DateTime& to,
                      const EventForecastRequest& request);

}  // namespace corvinata::events
