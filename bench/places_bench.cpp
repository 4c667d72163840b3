// Cost of the place data: the town table, the time zone of a point and the
// country outlines file.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/memory_storage.h"
#include "catalog/country_shapes.h"
#include "catalog/time_zones.h"
#include "catalog/town_table.h"

namespace corvinata {
namespace {

// Town indices in a fixed random order, so that lookups do not walk the
// table in its own order.
std::vector<int> ShuffledTowns() {
    std::vector<int> order(static_cast<std::size_t>(TownCount()));
    for (int i = 0; i < TownCount(); ++i) order[static_cast<std::size_t>(i)] = i;
    std::shuffle(order.begin(), order.end(), std::mt19937(2026));
    return order;
}

// Every town as a location record, its time zone included: what a list of
// all places needs.
void BM_AllTownLocations(benchmark::State& state) {
    Location place;
    LocationInit(place);
    for (auto _ : state) {
        for (int i = 0; i < TownCount(); ++i) TownLocation(i, place);
        benchmark::DoNotOptimize(place);
    }
}
BENCHMARK(BM_AllTownLocations)->Unit(benchmark::kMillisecond);

void BM_FindTownByName(benchmark::State& state) {
    const std::vector<int> order = ShuffledTowns();
    std::size_t next = 0;
    for (auto _ : state) {
        const TownRecord* town = TownAt(order[next++ % order.size()]);
        benchmark::DoNotOptimize(FindTownIndex(town->country, town->town));
    }
}
BENCHMARK(BM_FindTownByName);

// Land points: the towns, taken in random order.
void BM_TimeZoneOfLandPoint(benchmark::State& state) {
    const std::vector<int> order = ShuffledTowns();
    std::size_t next = 0;
    for (auto _ : state) {
        const TownRecord* town = TownAt(order[next++ % order.size()]);
        benchmark::DoNotOptimize(TimeZoneOffsetAtPoint(-town->longitude, town->latitude));
    }
}
BENCHMARK(BM_TimeZoneOfLandPoint)->Unit(benchmark::kMicrosecond);

// The same search without the zones' bounding boxes: every outline walked.
void BM_TimeZoneOfLandPointEveryOutline(benchmark::State& state) {
    const std::vector<int> order = ShuffledTowns();
    std::size_t next = 0;
    for (auto _ : state) {
        const TownRecord* town = TownAt(order[next++ % order.size()]);
        int found = -1;
        for (int zone = 0; zone < kTimeZoneCount && found < 0; ++zone) {
            const ZoneOutline o = TimeZoneOutline(zone);
            if (PointInOutline(o.points, o.count, town->longitude, town->latitude)) found = zone;
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_TimeZoneOfLandPointEveryOutline)->Unit(benchmark::kMicrosecond);

void BM_ReadCountryShapes(benchmark::State& state) {
    std::ifstream in(std::string(CN_DATA_DIR) + "/countryshape.dat", std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    MemoryStorageService storage;
    storage.MakeFolder(TXT("C:\\Program"));
    storage.PutFile(TXT("C:\\Program\\countryshape.dat"), bytes.str());
    PathName folder;
    folder.SetPathDirectory(TXT("C:\\Program"));
    for (auto _ : state) {
        CountryShapes shapes;
        if (!shapes.LoadCountryShapes(storage, folder, nullptr)) state.SkipWithError("not read");
        benchmark::DoNotOptimize(shapes.Count());
    }
}
BENCHMARK(BM_ReadCountryShapes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvinata
