#include "tools/event_types.h"

#include <array>

#include "base/text_format.h"
#include "catalog/catalogue_registry.h"
#include "catalog/planet_catalogue.h"

namespace corvinata::events {
namespace {

constexpr TimeStep kMinute{kMinutesUnit, 1};
constexpr TimeStep kHour{kHoursUnit, 1};
constexpr TimeStep kDay{kDaysUnit, 1};

// Conjunctions and the transits of Mercury and Venus are refined hourly:
// a transit lasts hours, and a daily test at 0 h misses it (the Mercury
// transits of 2016 and 2019 fall between 12 h and 19 h UT), as it misses
// about one planetary conjunction in six.
constexpr std::array<EventType, kEventTypeCount> kEventTypes{{
    {0, TXT("Full moon"), TXT("Full moon"), nullptr, kBodyMoon, 0, 0, kHour},
    {1, TXT("New moon"), TXT("New moon"), nullptr, kBodyMoon, 0, 0, kHour},
    {2, TXT("Moon first quarter"), TXT("The Moon is in first quarter"), nullptr, kBodyMoon, 0, 0, kHour},
    {3, TXT("Moon last quarter"), TXT("The Moon is in last quarter"), nullptr, kBodyMoon, 0, 0, kHour},
    {4, TXT("Vernal equinox"), TXT("Vernal equinox"), nullptr, kBodySun, 0, 0, kHour},
    {5, TXT("Summer solstice"), TXT("Summer solstice"), nullptr, kBodySun, 0, 0, kHour},
    {6, TXT("Autumnal equinox"), TXT("Autumnal equinox"), nullptr, kBodySun, 0, 0, kHour},
    {7, TXT("Winter solstice"), TXT("Winter solstice"), nullptr, kBodySun, 0, 0, kHour},
    {8, TXT("Solar eclipse"), TXT("A solar eclipse occurs"), nullptr, kBodySun, 0, 0, kHour},
    {9, TXT("Lunar eclipse"), TXT("A lunar eclipse occurs"), nullptr, kBodyMoon, 0, 0, kHour},
    // 10
    {10, TXT("Conjunction"), TXT("(1) and (2) are in conjunction"), nullptr, kNoBodyKind, 0, 2, kHour},
    {11, TXT("Opposition"), TXT("(1) and (2) are in opposition"), TXT("(1) is in opposition"),
     kNoBodyKind, 0, 2, kHour},
    {12, TXT("Quadrature"), TXT("(1) is in quadrature"), nullptr, kNoBodyKind, 0, 1, kDay},
    {13, TXT("Perihelion"), TXT("(1) is in perihelion"), nullptr, kNoBodyKind, 0, 1, kDay},
    {14, TXT("Aphelion"), TXT("(1) is in aphelion"), nullptr, kNoBodyKind, 0, 1, kDay},
    {15, TXT("Perigee"), TXT("(1) is in perigee"), nullptr, kNoBodyKind, 0, 1, kDay},
    {16, TXT("Apogee"), TXT("(1) is in apogee"), nullptr, kNoBodyKind, 0, 1, kDay},
    {17, TXT("Venus at brightest"), TXT("Venus is at brightest"), nullptr, kBodyPlanet, 1, 0, kDay},
    {18, TXT("Venus transits Sun"), TXT("Venus transits the Sun"), nullptr, kBodyPlanet, 1, 0, kHour},
    {19, TXT("Mercury transits Sun"), TXT("Mercury transits the Sun"), nullptr, kBodyPlanet, 0, 0, kHour},
    // 20
    {20, TXT("Rise"), TXT("(1) rises"), nullptr, kNoBodyKind, 0, 1, kDay},
    {21, TXT("Set"), TXT("(1) sets"), nullptr, kNoBodyKind, 0, 1, kDay},
    {22, TXT("Planet observable"), TXT("(1) is observable at night"), nullptr, kNoBodyKind, 0, 1, kDay},
    {23, TXT("Transit begins (Jovian satellite)"), TXT("Transit of (1) across Jupiter begins"),
     nullptr, kBodyPlanet, 3, 1, kMinute},
    {24, TXT("Transit ends (Jovian satellite)"), TXT("Transit of (1) across Jupiter ends"),
     nullptr, kBodyPlanet, 3, 1, kMinute},
    {25, TXT("Occultation begins (Jovian satellite)"), TXT("Occultation of (1) by Jupiter begins"),
     nullptr, kBodyPlanet, 3, 1, kMinute},
    {26, TXT("Occultation ends (Jovian satellite)"), TXT("Occultation of (1) by Jupiter ends"),
     nullptr, kBodyPlanet, 3, 1, kMinute},
    {27, TXT("Conjunction of two Jovian satellites"),
     TXT("Conjunction of Jovian satellites (1) and (2)"), nullptr, kBodyPlanet, 3, 2, kMinute},
    {28, TXT("Conjunction of a satellite with Jupiter"),
     TXT("Conjunction of Jupiter and satellite (1)"), nullptr, kBodyPlanet, 3, 1, kMinute},
    {29, TXT("Transit begins (Saturnian satellite)"), TXT("Transit of (1) across Saturn begins"),
     nullptr, kBodyPlanet, 4, 1, kMinute},
    // 30
    {30, TXT("Transit ends (Saturnian satellite)"), TXT("Transit of (1) across Saturn ends"),
     nullptr, kBodyPlanet, 4, 1, kMinute},
    {31, TXT("Occultation begins (Saturnian satellite)"), TXT("Occultation of (1) by Saturn begins"),
     nullptr, kBodyPlanet, 4, 1, kMinute},
    {32, TXT("Occultation ends (Saturnian satellite)"), TXT("Occultation of (1) by Saturn ends"),
     nullptr, kBodyPlanet, 4, 1, kMinute},
    {33, TXT("Conjunction of two Saturnian satellites"),
     TXT("Conjunction of Saturnian satellites (1) and (2)"), nullptr, kBodyPlanet, 4, 2, kMinute},
    {34, TXT("Conjunction of a satellite with Saturn"),
     TXT("Conjunction of Saturn and satellite (1)"), nullptr, kBodyPlanet, 4, 1, kMinute},
}};

constexpr bool IdsAreIndices() {
    for (int i = 0; i < kEventTypeCount; ++i) {
        if (kEventTypes[static_cast<std::size_t>(i)].id != i) return false;
    }
    return true;
}
static_assert(IdsAreIndices(), "event types must be listed in id order");

bool ObjectIsSun(const BodyIdentifier& body) noexcept { return IsTheSun(body.object); }

}  // namespace

bool IsTheSun(const CelestialObject* object) noexcept {
    return object != nullptr && object->GetTypeId() == kBodySun && object->Number() == 0;
}

const EventType& EventTypeAt(int index) noexcept {
    return kEventTypes[static_cast<std::size_t>(index)];
}

const EventType* FindEventType(int id) noexcept {
    for (const EventType& type : kEventTypes) {
        if (type.id == id) return &type;
    }
    return nullptr;
}

const CelestialObject* EventType::GetBody() const {
    if (bodyKind == kNoBodyKind) return nullptr;
    return GetCatalogueObject(bodyKind, bodyNumber);
}

void EventType::Describe(const BodyIdentifier& body1, const BodyIdentifier& body2,
                         String& out) const {
    if (alternative != nullptr && body1.object != nullptr && body2.object != nullptr &&
        ObjectIsSun(body1) != ObjectIsSun(body2)) {
        out = alternative;
        const String& other = ObjectIsSun(body1) ? body2.name : body1.name;
        ReplaceSubstring(out, TXT("(1)"), other.Text(), 0, -1);
        return;
    }
    out = description;
    if (body1.object != nullptr) ReplaceSubstring(out, TXT("(1)"), body1.name.Text(), 0, -1);
    if (body2.object != nullptr) ReplaceSubstring(out, TXT("(2)"), body2.name.Text(), 0, -1);
}

int EventTypeCode(int eventType) noexcept {
    if (eventType == kEventSolarEclipse) return kShowInSolarEclipse;
    if ((eventType >= 4 && eventType <= 7) || (eventType >= 11 && eventType <= 16)) {
        return kShowInSolarSystem;
    }
    if (eventType >= 23 && eventType <= 28) return kShowInJupiterExplorer;
    if (eventType >= 29 && eventType <= 34) return kShowInSaturnExplorer;
    return kShowInSky;
}

void EventOccurrence::Set(int type, const DateTime& begin, const DateTime& end,
                          const CelestialObject* first, const CelestialObject* second) noexcept {
    eventType = type;
    SetDates(begin, end);
    body = first;
    secondBody = second;
}

void EventOccurrence::SetDates(const DateTime& begin, const DateTime& end) noexcept {
    DateTimeRangeSet(dates, begin, end);
}

const CelestialObject* EventOccurrence::GetBody() const {
    if (body != nullptr) return body;
    const EventType* type = FindEventType(eventType);
    return type != nullptr ? type->GetBody() : nullptr;
}

}  // namespace corvinata::events
