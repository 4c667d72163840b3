#include "tools/event_forecast.h"

#include <vector>

#include "catalog/catalogue_registry.h"
#include "tools/event_definitions.h"

namespace corvinata::events {
namespace {

// Conjunctions are searched for the five planets seen with the naked eye.
constexpr int kConjunctionPlanets = 5;

std::vector<const CelestialObject*> Planets() {
    std::vector<const CelestialObject*> planets;
    const Catalogue* catalogue = CatalogueByType(kBodyPlanet);
    if (catalogue == nullptr) return planets;
    int cursor = 0;
    for (const CelestialObject* planet = catalogue->CatalogueFirstObject(cursor); planet != nullptr;
         planet = catalogue->CatalogueNextObject(cursor)) {
        planets.push_back(planet);
    }
    return planets;
}

std::uint32_t GroupOf(int eventType) noexcept {
    switch (eventType) {
        case 0: case 1: case 2: case 3: return kForecastMoonPhases;
        case 4: case 5: case 6: case 7: return kForecastSeasons;
        case 8: case 9: return kForecastEclipses;
        case 10: return kForecastConjunctions;
        case 11: return kForecastOppositions;
        case 12: return kForecastQuadratures;
        case 13: case 14: return kForecastPerihelia;
        case 15: case 16: return kForecastPerigees;
        case 17: return kForecastVenusBrightest;
        case 18: case 19: return kForecastTransits;
        case 22: return kForecastObservable;
        default: return 0;  // rise, set and the satellites are never forecast
    }
}

}  // namespace

EventForecastJob::EventForecastJob() {
    computedFor.dateTime.timeSystem = kUniversalTime;
}

void AddForecastEvent(const EventType& type, const CelestialObject* body1,
                      const CelestialObject* body2, EventSearchJob& search) {
    String text;
    PredefinedEventExpression(type.id, body1, body2, text);
    search.AddExpression(text.Text(), type.id, body1, body2);
}

void CollectEventTypeExpressions(const EventType& type, std::uint32_t groups,
                                 EventSearchJob& search) {
    const std::uint32_t group = GroupOf(type.id);
    if (group == 0 || (groups & group) == 0) return;
    switch (group) {
        case kForecastConjunctions: {
            for (int a = 0; a < kConjunctionPlanets; ++a) {
                for (int b = a + 1; b < kConjunctionPlanets; ++b) {
                    AddForecastEvent(type, GetCatalogueObject(kBodyPlanet, a),
                                     GetCatalogueObject(kBodyPlanet, b), search);
                }
            }
            return;
        }
        case kForecastOppositions:
        case kForecastQuadratures: {
            const CelestialObject* sun = GetCatalogueObject(kBodySun, 0);
            for (const CelestialObject* planet : Planets()) AddForecastEvent(type, planet, sun, search);
            return;
        }
        case kForecastPerihelia: {
            for (const CelestialObject* planet : Planets()) {
                AddForecastEvent(type, planet, nullptr, search);
            }
            AddForecastEvent(type, GetCatalogueObject(kBodyEarth, 0), nullptr, search);
            return;
        }
        case kForecastPerigees:
        case kForecastObservable: {
            for (const CelestialObject* planet : Planets()) {
                AddForecastEvent(type, planet, nullptr, search);
            }
            return;
        }
        default:
            AddForecastEvent(type, nullptr, nullptr, search);
    }
}

void RunEventForecast(const TimeAndPlace& when, EventForecastJob& job, const DateTime& to,
                      const EventForecastRequest& request) {
    job.computedFor = when;
    EventSearchCallbacks callbacks = request.callbacks;
    callbacks.result = nullptr;
    EventSearchJob search(when.dateTime, to, when.place, when.daylightSaving,
                          TimeStep{kDaysUnit, 1}, &job.results, callbacks, true,
                          request.pauseMilliseconds);
    for (int id = 0; id < kEventTypeCount; ++id) {
        CollectEventTypeExpressions(EventTypeAt(id), request.groups, search);
    }
    search.current.dateTime.hours = 0.0;
    search.Run();
    job.wasStopped = search.wasStopped;
}

}  // namespace corvinata::events
