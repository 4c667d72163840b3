#include "script/body_lookup.h"

#include "catalog/celestial_object.h"

namespace corvinata {
namespace {

// One step of the search: a body type and the name systems tried for it,
// in order; kKeyNameSystem for the solar-system bodies.
struct LookupStep {
    int bodyType;
    int systems[5];
    int systemCount;
};

constexpr LookupStep kLookupOrder[] = {
    {kBodySun, {kKeyNameSystem}, 1},
    {kBodyMoon, {kKeyNameSystem}, 1},
    {kBodyEarth, {kKeyNameSystem}, 1},
    {kBodyPlanet, {kKeyNameSystem}, 1},
    {kBodyJupiterSatellite, {kKeyNameSystem}, 1},
    {kBodySaturnSatellite, {kKeyNameSystem}, 1},
    {kBodyConstellation, {0, 1}, 2},
    {kBodyStar, {1, 0}, 2},
    {kBodyDeepSky, {4, 1, 2, 3, 0}, 5},
};

}  // namespace

bool FindBodyByName(const ScriptCatalogue& catalogue, const Char* name, BodyRef& body) {
    if (name == nullptr || name[0] == 0 || TextLength(name) > kMaxBodyNameLength) return false;
    // Every object is tried in all its systems before the next object: the
    // results differ from a system-by-system walk only for a text that names
    // two objects, and this walk reads each object once.
    for (const LookupStep& step : kLookupOrder) {
        const int count = catalogue.ObjectCount(step.bodyType);
        for (int number = 0; number < count; ++number) {
            for (int i = 0; i < step.systemCount; ++i) {
                if (catalogue.HasName(step.bodyType, number, step.systems[i], name)) {
                    body.type = step.bodyType;
                    body.number = number;
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace corvinata
