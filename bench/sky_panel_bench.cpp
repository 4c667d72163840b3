// The Sky control panel's update for a selected body: coordinates in the
// chosen system, rise and set, constellation, sign, magnitude and phase,
// and the two abbreviations, as one refresh computes them.
#include <benchmark/benchmark.h>

#include "../tests/support/catalogues.h"
#include "app/sky_panel_texts.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"

namespace corvinata {
namespace {

// 0 Jupiter, 1 the Moon, 2 a star; in the equatorial and horizontal systems.
void BM_SkyPanelUpdate(benchmark::State& state) {
    test::ScopedCatalogues catalogues;
    const CelestialObject* bodies[] = {GetCatalogueObject(kBodyPlanet, 3), GetCatalogueObject(kBodyMoon, 0),
                                       FindObjectOfTypeByName(kBodyStar, TXT("Regulus"))};
    const CelestialObject* body = bodies[state.range(0)];
    TimeAndPlace moment;
    moment.dateTime = {2024, 6, 21, 22.5, kLocalCivilTime};
    moment.place.longitude = LongitudeValue(-13.4, kWestPositive);
    moment.place.latitude = LatitudeValue(52.5, kLatitudeHemisphereLetter);
    moment.place.timeZone.hours = 1.0;
    moment.daylightSaving = true;
    const int system = static_cast<int>(state.range(1));
    for (auto _ : state) {
        const SkyPanelObject shown = ComputeSkyPanelObject(body, moment, system, kLocalCivilTime);
        benchmark::DoNotOptimize(SkyConstellationAbbreviation(shown.values.Value(kFunctionConstellation)));
        benchmark::DoNotOptimize(SkyZodiacAbbreviation(shown.values.Value(kFunctionSignOfZodiac)));
        benchmark::DoNotOptimize(shown.riseSet.first.dateTime.hours);
    }
}
BENCHMARK(BM_SkyPanelUpdate)->ArgsProduct({{0, 1, 2}, {kEquatorialSystem, kHorizontalSystem}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvinata
