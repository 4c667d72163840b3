// The astronomical events the program searches for by number (full moon,
// equinoxes, eclipses, conjunctions, satellite phenomena ...), and the record
// of one event found.
//
// The catalogue is a constant table: every thread may read it at any time.
// The event tools live in their own namespace because the settings layer
// already names its stored event record EventDefinition.
#pragma once

#include <cstdint>

#include "base/date_time_range.h"
#include "base/time_step.h"
#include "base/wide_string.h"
#include "catalog/catalogue_registry.h"
#include "catalog/celestial_object.h"

namespace corvinata::events {

// Event-type ids 0..34 of the catalogue; this one means "no event type".
constexpr int kNoEventType = 35;
constexpr int kEventTypeCount = 35;

enum EventTypeId : int {
    kEventFullMoon = 0,
    kEventNewMoon = 1,
    kEventFirstQuarter = 2,
    kEventLastQuarter = 3,
    kEventVernalEquinox = 4,
    kEventSummerSolstice = 5,
    kEventAutumnalEquinox = 6,
    kEventWinterSolstice = 7,
    kEventSolarEclipse = 8,
    kEventLunarEclipse = 9,
    kEventConjunction = 10,
    kEventOpposition = 11,
    kEventQuadrature = 12,
    kEventPerihelion = 13,
    kEventAphelion = 14,
    kEventPerigee = 15,
    kEventApogee = 16,
    kEventVenusBrightest = 17,
    kEventVenusTransit = 18,
    kEventMercuryTransit = 19,
    kEventRise = 20,
    kEventSet = 21,
    kEventPlanetObservable = 22,
    kEventJovianTransitBegins = 23,
    kEventJovianConjunctionWithPlanet = 28,
    kEventSaturnianTransitBegins = 29,
    kEventSaturnianConjunctionWithPlanet = 34,
};

// Body kind of an event type whose bodies the user names.
constexpr int kNoBodyKind = 9;

struct EventType {
    int id;
    const Char* shortName;    // list and menu text
    // One occurrence; "(1)" and "(2)" stand for the first and second body.
    const Char* description;
    // Used instead when exactly one of the two bodies is the Sun; or none.
    const Char* alternative;
    int bodyKind;             // body type of the event's own body; kNoBodyKind: none
    int bodyNumber;           // its number in the catalogue of that type
    int bodyCount;            // bodies the user names: 0, 1 or 2
    TimeStep defaultStep;     // refinement step of a search for the event

    // The event's own body, or none (kind kNoBodyKind, or no catalogues).
    const CelestialObject* GetBody() const;
    // Replaces `out` by the sentence for one occurrence with the bodies'
    // names filled in; a placeholder whose body has no object stays.
    void Describe(const BodyIdentifier& body1, const BodyIdentifier& body2, String& out) const;
};

// Entry 0..34 in id order.
const EventType& EventTypeAt(int index) noexcept;
// The entry with that id, or none.
const EventType* FindEventType(int id) noexcept;

// Window kinds in which an event is best shown (the application's codes).
enum EventWindowKind : int {
    kShowInJupiterExplorer = 1,
    kShowInSaturnExplorer = 4,
    kShowInSolarEclipse = 5,
    kShowInSky = 6,
    kShowInSolarSystem = 7,
};
// The window kind for an event type; the Sky for an id outside 0..34.
int EventTypeCode(int eventType) noexcept;

// One event found: its bodies, its type and when it begins and ends.
struct EventOccurrence {
    const CelestialObject* body = nullptr;        // none: the event type's own body
    const CelestialObject* secondBody = nullptr;
    int eventType = kNoEventType;
    DateTimeRange dates;                          // both ends unset by default

    void Set(int type, const DateTime& begin, const DateTime& end,
             const CelestialObject* first, const CelestialObject* second) noexcept;
    void SetDates(const DateTime& begin, const DateTime& end) noexcept;
    // The occurrence's own body, else its event type's; none when the type
    // is not in the catalogue.
    const CelestialObject* GetBody() const;
};

// True when the object is the Sun (object 0 of the Sun's catalogue).
bool IsTheSun(const CelestialObject* object) noexcept;

}  // namespace corvinata::events
