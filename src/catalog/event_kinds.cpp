#include "catalog/event_kinds.h"

#include "catalog/quantity_kinds.h"

namespace corvinata {
namespace {

// The global list in its fixed order; the Event Finder and saved event
// definitions refer to the kinds by id, never by position.
constexpr EventKind kEventKinds[kEventKindCount] = {
    {kFunctionAscendingNode, TXT("Ascending node"), kQuantityAngle360},
    {kFunctionConstellation, TXT("Constellation"), kQuantityConstellation},
    {kFunctionCulmination, TXT("Culmination"), kQuantityTimeOfDay},
    {kFunctionDirection, TXT("Direction"), kQuantityDirection},
    {kFunctionDescendingNode, TXT("Descending node"), kQuantityAngle360},
    {kFunctionDistanceFromSun, TXT("Distance from Sun"), kQuantityDistance},
    {kFunctionDistanceFromEarth, TXT("Distance from Earth"), kQuantityDistance},
    {kFunctionElongationAngular, TXT("Elongation (angular distance)"), kQuantityAngle180},
    {kFunctionElongationLongitude, TXT("Elongation (difference in longitude)"),
     kQuantityAngle180},
    {kFunctionHeliocentricLongitude, TXT("Heliocentric longitude"), kQuantityAngle360},
    // 10
    {kFunctionHeliocentricLatitude, TXT("Heliocentric latitude"), kQuantityAngle90},
    {kFunctionLongitude, TXT("Longitude"), kQuantityLongitude},
    {kFunctionLatitude, TXT("Latitude"), kQuantityLatitude},
    {kFunctionBrightLimb, TXT("Position of bright limb"), kQuantityAngle360},
    {kFunctionMagnitude, TXT("Magnitude"), kQuantityMagnitude},
    {kFunctionPhase, TXT("Phase"), kQuantityPhase},
    {kFunctionRectangularX, TXT("Rectangular coordinate X"), kQuantityScalar},
    {kFunctionRectangularY, TXT("Rectangular coordinate Y"), kQuantityScalar},
    {kFunctionRectangularZ, TXT("Rectangular coordinate Z"), kQuantityScalar},
    {kFunctionRise, TXT("Rise"), kQuantityTimeOfDay},
    // 20
    {kFunctionSet, TXT("Set"), kQuantityTimeOfDay},
    {kFunctionSignOfZodiac, TXT("Sign of Zodiac"), kQuantityZodiac},
    {kFunctionAngularSize, TXT("Angular size"), kQuantityAngle360},
    {kFunctionMorningTwilightAstronomical, TXT("Morning twilight begins (astronomical)"),
     kQuantityTimeOfDay},
    {kFunctionMorningTwilightCivil, TXT("Morning twilight begins (civil)"), kQuantityTimeOfDay},
    {kFunctionMorningTwilightNautical, TXT("Morning twilight begins (nautical)"),
     kQuantityTimeOfDay},
    {kFunctionEveningTwilightAstronomical, TXT("Evening twilight ends (astronomical)"),
     kQuantityTimeOfDay},
    {kFunctionEveningTwilightCivil, TXT("Evening twilight ends (civil)"), kQuantityTimeOfDay},
    {kFunctionEveningTwilightNautical, TXT("Evening twilight ends (nautical)"),
     kQuantityTimeOfDay},
};

}  // namespace

const EventKind& EventKindAt(int position) noexcept {
    return kEventKinds[position >= 0 && position < kEventKindCount ? position : 0];
}

const EventKind* FindEventKind(std::uint32_t id) noexcept {
    for (const EventKind& kind : kEventKinds) {
        if (kind.GetId() == id) return &kind;
    }
    return nullptr;
}

}  // namespace corvinata
