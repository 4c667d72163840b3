// Costs of property evaluation: every property of one body, its rise, set and
// culmination alone, and the horizontal places of a whole sky of catalogue
// catalogue (9096 stars and 13226 deep-sky objects) at one time and place.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "../tests/support/catalogues.h"
#include "astro/instant_sharing.h"
#include "base/date_time.h"
#include "catalog/body_properties.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "catalog/catalogue.h"
#include "catalog/event_kinds.h"

namespace corvinata {
namespace {

TimeAndPlace Moment() {
    TimeAndPlace moment;
    moment.dateTime = {2024, 6, 21, 22.5, kLocalCivilTime};
    moment.place.longitude = LongitudeValue(-13.4, kWestPositive);
    moment.place.latitude = LatitudeValue(52.5, kLatitudeHemisphereLetter);
    moment.place.timeZone.hours = 1.0;
    moment.daylightSaving = true;
    return moment;
}

std::uint32_t FullMask(int type) {
    std::uint32_t mask = 0;
    for (const EventKind* kind : GetBodyType(type)->Properties()) mask |= kind->GetId();
    return mask;
}

// 0 Sun, 1 Moon, 2 Jupiter, 3 a star, 4 a deep-sky object.
void RunBody(benchmark::State& state, bool eventsOnly) {
    test::ScopedCatalogues catalogues;
    const CelestialObject* bodies[] = {
        GetCatalogueObject(kBodySun, 0), GetCatalogueObject(kBodyMoon, 0),
        GetCatalogueObject(kBodyPlanet, 3), FindObjectOfTypeByName(kBodyStar, TXT("Regulus")),
        FindObjectOfTypeByName(kBodyDeepSky, TXT("NGC 1976"))};
    const CelestialObject& body = *bodies[state.range(0)];
    const std::uint32_t mask =
        eventsOnly ? kFunctionRise | kFunctionSet | kFunctionCulmination
                   : FullMask(body.GetTypeId());
    const TimeAndPlace moment = Moment();
    for (auto _ : state) {
        PropertyMap out;
        ComputeBodyProperties(body, mask, moment, out,
                              {kHorizontalSystem, kLocalCivilTime, kKilometres});
        benchmark::DoNotOptimize(out);
    }
}

void BM_EveryProperty(benchmark::State& state) { RunBody(state, false); }
BENCHMARK(BM_EveryProperty)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_RiseSetCulmination(benchmark::State& state) { RunBody(state, true); }
BENCHMARK(BM_RiseSetCulmination)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_HorizontalPlacesOfTheWholeSky(benchmark::State& state) {
    test::ScopedCatalogues catalogues;
    const Catalogue* const kinds[] = {CatalogueByType(kBodyStar), CatalogueByType(kBodyDeepSky)};
    const TimeAndPlace moment = Moment();
    for (auto _ : state) {
        for (const Catalogue* catalogue : kinds) {
            for (int i = 0; i < catalogue->CatalogueGetCount(); ++i) {
                PropertyMap out;
                ComputeBodyProperties(*catalogue->CatalogueGetObjectAt(i),
                                      kFunctionLongitude | kFunctionLatitude, moment, out,
                                      {kHorizontalSystem, kLocalCivilTime, kKilometres});
                benchmark::DoNotOptimize(out);
            }
        }
    }
}
BENCHMARK(BM_HorizontalPlacesOfTheWholeSky)->Unit(benchmark::kMillisecond);

// The Sun, the Moon and the planets at one instant, as a search asks for
// them (place of the date and distance, each its own evaluation): alone
// (0) or sharing the instant's nutation, Earth and planet places (1). Each
// iteration takes the next minute, so that nothing is reused across them.
void BM_SolarSystemAtOneInstant(benchmark::State& state) {
    test::ScopedCatalogues catalogues;
    std::vector<const CelestialObject*> bodies = {GetCatalogueObject(kBodySun, 0),
                                                  GetCatalogueObject(kBodyMoon, 0)};
    for (int planet = 0; planet < 8; ++planet) bodies.push_back(GetCatalogueObject(kBodyPlanet, planet));
    std::unique_ptr<InstantSharing> sharing;
    if (state.range(0) == 1) sharing = std::make_unique<InstantSharing>();
    const TimeAndPlace start = Moment();
    TimeAndPlace moment = start;
    long minutes = 0;
    for (auto _ : state) {
        moment.dateTime = start.dateTime;
        moment.dateTime.hours += static_cast<double>(++minutes) / 60.0;
        NormaliseDateTime(moment.dateTime);
        for (const CelestialObject* body : bodies) {
            for (const std::uint32_t id :
                 {kFunctionLongitude, kFunctionLatitude, kFunctionDistanceFromEarth}) {
                PropertyMap out;
                ComputeBodyProperties(*body, id, moment, out,
                                      {kEquatorialSystem, kUniversalTime, kAstronomicalUnits});
                benchmark::DoNotOptimize(out);
            }
        }
    }
}
BENCHMARK(BM_SolarSystemAtOneInstant)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvinata
