// One refresh of Object Info's "Current Information": every field of the
// body's type computed by its own call, then written as text.
#include <benchmark/benchmark.h>

#include "../tests/support/catalogues.h"
#include "catalog/catalogue_registry.h"
#include "catalog/celestial_object.h"
#include "tools/object_info_current.h"

namespace corvinata {
namespace {

// 0 the Moon, 1 Jupiter.
void BM_ObjectInfoCurrentRefresh(benchmark::State& state) {
    test::ScopedCatalogues catalogues;
    const CelestialObject* body =
        state.range(0) == 0 ? GetCatalogueObject(kBodyMoon, 0) : GetCatalogueObject(kBodyPlanet, 3);
    ObjectInfoState info;
    info.timeAndPlace.dateTime = {2024, 6, 21, 22.5, kLocalCivilTime};
    info.timeAndPlace.place.longitude = LongitudeValue(-13.4, kWestPositive);
    info.timeAndPlace.place.latitude = LatitudeValue(52.5, kLatitudeHemisphereLetter);
    info.timeAndPlace.place.timeZone.hours = 1.0;
    info.timeAndPlace.daylightSaving = true;
    for (auto _ : state) {
        ObjectInfoCurrentTexts page = ComputeObjectInfoCurrent(*body, info, {0, 1});
        benchmark::DoNotOptimize(page);
        // Each Browse step moves the moment by a day.
        info.timeAndPlace.dateTime.day = info.timeAndPlace.dateTime.day % 28 + 1;
    }
}
BENCHMARK(BM_ObjectInfoCurrentRefresh)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvinata
